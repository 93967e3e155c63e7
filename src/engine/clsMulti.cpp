#include "engine/clsMulti.h"

#include <cmath>
#include <exception>
#include <random>

#include "app/Messages.h"
#include "app/Random.h"
#include "app/RuntimeError.h"
#include "app/basIniFile.h"
#include "lottery/CurrentRound.h"

namespace brenvik {

namespace {

const ErrorReport report("clsMulti");

// Public operations report what escapes them (also from the owner's event handlers) and
// return, as every class of the program does.
template <typename F>
void guarded(const char* procedure, F&& body) {
    try {
        body();
    } catch (const RuntimeError& e) {
        report.error(procedure, e);
    } catch (const std::exception& e) {
        report.error(procedure, e);
    }
}

}  // namespace

MultiSummary clsMulti::Summary(const MultiMarks& marks) {
    MultiSummary s;
    for (int m = 1; m <= 13; ++m) {
        const int marked = (marks[m] != 0) + (marks[13 + m] != 0) + (marks[26 + m] != 0);
        switch (marked) {
            case 0:
                ++s.Unmarked;
                break;
            case 1:
                ++s.Singles;
                break;
            case 2:
                ++s.Doubles;
                break;
            default:
                ++s.Triples;
                break;
        }
    }
    s.Combinations =
        static_cast<int32_t>(std::lround(std::pow(2.0, s.Doubles) * std::pow(3.0, s.Triples)));
    return s;
}

bool clsMulti::ShapeDiffers(const MultiSummary& a, const MultiSummary& b) {
    return a.Singles != b.Singles || a.Doubles != b.Doubles || a.Triples != b.Triples;
}

void clsMulti::replaceMarks(const MultiMarks& marks) {
    const MultiSummary before = Summary(marks_);
    marks_ = marks;
    marks_[0] = 0;
    Redraw.emit();
    SelectChange.emit();
    if (ShapeDiffers(before, Summary(marks_))) PatternChange.emit();
}

void clsMulti::Random() {
    guarded("Random", [this] {
        MultiMarks marks = marks_;
        std::uniform_int_distribution<int32_t> outcome(0, 2);
        for (int32_t m = 1; m <= 13; ++m) {
            const int home = clsDrawMultiMenu::CellIndex(1, m);
            const int draw = clsDrawMultiMenu::CellIndex(0, m);
            const int away = clsDrawMultiMenu::CellIndex(2, m);
            if (marks[home] != 0 || marks[draw] != 0 || marks[away] != 0) continue;
            marks[clsDrawMultiMenu::CellIndex(outcome(randomEngine()), m)] = RoleTaikou;
        }
        replaceMarks(marks);
    });
}

void clsMulti::Clear() {
    guarded("Clear", [this] { replaceMarks(MultiMarks{}); });
}

void clsMulti::SetMarks(const MultiMarks& marks) {
    guarded("SetMarks", [this, &marks] { replaceMarks(marks); });
}

void clsMulti::SetResult(const std::array<uint8_t, 14>& lotResults) {
    guarded("SetResult", [this, &lotResults] {
        for (int32_t m = 1; m <= 13; ++m) {
            const int home = clsDrawMultiMenu::CellIndex(1, m);
            const int draw = clsDrawMultiMenu::CellIndex(0, m);
            const int away = clsDrawMultiMenu::CellIndex(2, m);
            marks_[home] = marks_[draw] = marks_[away] = 0;
            switch (lotResults[m]) {
                case 0:
                    marks_[draw] = 1;
                    break;
                case 1:
                    marks_[home] = 1;
                    break;
                case 2:
                    marks_[away] = 1;
                    break;
                case 3:
                    marks_[home] = marks_[draw] = marks_[away] = 1;
                    break;
                default:
                    break;
            }
        }
        Redraw.emit();
        SelectChange.emit();
    });
}

bool clsMulti::SaveResultUser() {
    return false;
}

bool clsMulti::LoadResultUser() {
    if (CurrentRound() == 0) return false;
    guarded("LoadResultUser", [this] {
        marks_ = MultiMarks{};
        Redraw.emit();
        SelectChange.emit();
    });
    return false;
}

void clsMulti::click(int32_t outcome, int32_t match, int32_t button, bool markLeft) {
    switch (clsDrawMultiMenu::ActionFor(selectMode_, button, markLeft)) {
        case MultiClickAction::None:
            return;
        case MultiClickAction::ToggleMark:
            if (!menu_.ToggleMark(outcome, match, marks_)) return;
            break;
        case MultiClickAction::MarkInOrder:
            if (!menu_.MarkInOrder(outcome, match, marks_)) return;
            break;
        case MultiClickAction::MarkResultLeft:
            if (!menu_.MarkResult(outcome, match, marks_, 2)) return;
            break;
        case MultiClickAction::MarkResultRight:
            if (!menu_.MarkResult(outcome, match, marks_, 4)) return;
            break;
        case MultiClickAction::ShowRoleMenu: {
            if (clsDrawMultiMenu::CellIndex(outcome, match) == 0) return;
            const RoleMenuState state = menu_.ShowRoleMenu(outcome, match, marks_);
            const uint8_t role = roleMenu_ ? roleMenu_(state) : 0;
            if (role != 0) menu_.SetRole(role);
            break;
        }
    }
    marks_ = menu_.GetMarks();
    Redraw.emit();
    SelectChange.emit();
    if (menu_.PatternChange()) PatternChange.emit();
}

void clsMulti::cMulti_MouseDown(int32_t intOutcome, int32_t intMatch, int32_t intButton,
                                int32_t /*intShift*/) {
    guarded("cMulti_MouseDown",
            [&] { click(intOutcome, intMatch, intButton, basIniFile::values().MarkLeft != 0); });
}

void clsMulti::cMulti_DloadClick() {
    if (CurrentRound() <= 0) {
        showInformation(" 結果情報",
                        "開催回が指定されていません。\r\n"
                        "左上の[GameLoad]より試合データを読み込んでください。");
    }
}

}  // namespace brenvik
