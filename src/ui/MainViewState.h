#pragma once
#include <cstdint>

namespace brenvik::ui {

// The main window's view switches and size, kept in step with the settings that restore
// them at the next start. The window mirrors this state into its menu and views.
class MainViewState {
  public:
    int32_t ViewSize = 0;  // 1 enlarged, 2 standard, 3 mark size; 0 before the first layout
    bool TopMost = false;
    bool VoteGraphOn = false;
    bool VoteTextOn = false;

    // Each toggle inverts its switch and stores it in its setting; returns the new state.
    bool ToggleVoteGraph();
    bool ToggleVoteText();
    bool ToggleTopMost();

    // false (and nothing changes) when that size is already set; else sets and stores it.
    bool SetViewSize(int32_t lngSize);

    // The size command that a stored AppViewType runs at opening (0: none). A stored mark
    // size opens as the standard size.
    static int32_t OpeningViewSize(int32_t lngAppViewType);
};

}  // namespace brenvik::ui
