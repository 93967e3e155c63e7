#include "ui/MainViewState.h"

#include "app/basIniFile.h"

namespace brenvik::ui {

bool MainViewState::ToggleVoteGraph() {
    VoteGraphOn = !VoteGraphOn;
    basIniFile::values().AppVoteGraph = VoteGraphOn;
    return VoteGraphOn;
}

bool MainViewState::ToggleVoteText() {
    VoteTextOn = !VoteTextOn;
    basIniFile::values().AppVoteGraphText = VoteTextOn;
    return VoteTextOn;
}

bool MainViewState::ToggleTopMost() {
    TopMost = !TopMost;
    basIniFile::values().AppTopWindow = TopMost;
    return TopMost;
}

bool MainViewState::SetViewSize(int32_t lngSize) {
    if (lngSize == ViewSize) return false;
    ViewSize = lngSize;
    basIniFile::values().AppViewType = lngSize;
    return true;
}

int32_t MainViewState::OpeningViewSize(int32_t lngAppViewType) {
    switch (lngAppViewType) {
        case 1:
            return 1;
        case 2:
        case 3:
            return 2;
        default:
            return 0;
    }
}

}  // namespace brenvik::ui
