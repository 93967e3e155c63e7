#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/GameNoText.h"
#include "engine/MultiTypes.h"
#include "engine/PatternTable.h"
#include "engine/PictureText.h"
#include "engine/Signal.h"
#include "engine/SingleRecord.h"

namespace brenvik {

// The pattern selection of the main window without its widgets: the help panel's prints, the
// rows of the pattern list lstQel, the selection, and the singles the selected pattern makes
// of the multi. frmMain owns one and draws what it holds.
class PatternSelection {
  public:
    explicit PatternSelection(const PatternLibrary& library = PatternTable());

    // The count boxes (multi page and check page) whose double and triple counts this sets.
    void AttachCountBoxes(GameNoText* first, GameNoText* second);

    // Rebuilds the help text and, when every match is marked, the pattern list.
    void ShowMultiHelp(const MultiMarks& marks);
    // Fills the pattern list for the multi (called by ShowMultiHelp).
    void ShowPatternList(const MultiMarks& marks);
    // Converts the multi into Singles with the selected pattern (not in single mode).
    void SetQelData(const MultiMarks& marks);

    // The 1-based table index of the selected row's pattern, 0 when no row is selected.
    int32_t GetSelectQel() const;
    // The ID of that pattern when the list has rows, else 0.
    int32_t GetPatternID() const;
    int32_t GetSingleCount() const { return SingleCount(); }

    // A click on row `row` (0-based) of lstQel.
    void lstQel_Click(int32_t row);
    // Selects the row showing the pattern with that ID; false (selection kept) when none does.
    bool SelectPatternID(int32_t id);
    // The note of the selected pattern, shown under the list; empty when none.
    std::string SelectedNote() const;

    // The pattern ID named by a loaded file: offered even when hidden from the list.
    int32_t LoadedPatternID() const { return loadedPatternID_; }
    void LoadedPatternID(int32_t id) { loadedPatternID_ = id; }
    // The singles came from a file: the conversion leaves them alone.
    bool SingleMode() const { return singleMode_; }
    void SingleMode(bool value) { singleMode_ = value; }

    // Singles()[i] is single number i + 1.
    const std::vector<SingleRecord>& Singles() const { return singles_; }
    int32_t SingleCount() const { return static_cast<int32_t>(singles_.size()); }
    // Singles read from a file (single mode).
    void SetSingles(std::vector<SingleRecord> singles) { singles_ = std::move(singles); }

    bool PatternPresent() const { return patternPresent_; }
    int32_t SelectedListIndex() const { return selectedListIndex_; }
    const std::vector<int32_t>& ListToPattern() const { return listToPattern_; }
    int32_t ListCount() const { return static_cast<int32_t>(listToPattern_.size()); }

    // What the widgets show.
    const std::vector<std::string>& lstQel() const { return rows_; }
    const std::string& lblQelTitle() const { return title_; }
    bool PatternPanelVisible() const { return patternPanelVisible_; }
    const PictureText& Help() const { return help_; }
    int32_t DoubleCount() const { return doubleCount_; }
    int32_t TripleCount() const { return tripleCount_; }

    // Raised when the help panel should be redrawn.
    Signal<> HelpRefresh;

  private:
    void setCountBoxes(int32_t doubles, int32_t triples);
    void clearSelection();

    const PatternLibrary& library_;
    std::array<GameNoText*, 2> countBoxes_{nullptr, nullptr};
    PictureText help_;
    std::vector<std::string> rows_;
    std::string title_;
    bool patternPanelVisible_ = false;
    int32_t doubleCount_ = 0;
    int32_t tripleCount_ = 0;

    bool patternPresent_ = false;
    int32_t selectedListIndex_ = 0;
    std::vector<int32_t> listToPattern_;
    int32_t loadedPatternID_ = 0;
    bool singleMode_ = false;
    std::vector<SingleRecord> singles_;
};

}  // namespace brenvik
