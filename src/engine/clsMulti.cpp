#include "engine/clsMulti.h"

#include <cmath>
#include <exception>
#include <random>

#include "app/Classic.h"
#include "app/Cp932.h"
#include "app/Messages.h"
#include "app/ProgramFolder.h"
#include "app/Random.h"
#include "app/RuntimeError.h"
#include "app/basIniFile.h"
#include "app/clsFileStream.h"
#include "app/clsFileSystemObject.h"
#include "engine/clsBrenvik.h"
#include "lottery/CurrentRound.h"
#include "official/clsResult.h"

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

clsMulti::clsMulti() = default;
clsMulti::~clsMulti() = default;

// One counting rule for the whole program: the pattern list reads the same summary.
MultiSummary clsMulti::Summary(const MultiMarks& marks) { return clsBrenvik::GetMultiSummary(marks); }

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

void clsMulti::OwnerForm(OwnerWindow* objOwnerForm) {
    owner_ = objOwnerForm;
    if (result_) result_->Initialize(owner_);
}

clsResult& clsMulti::result() {
    if (!result_) {
        result_ = std::make_unique<clsResult>();
        result_->Initialize(owner_);
    }
    return *result_;
}

bool clsMulti::officialResultCached(int32_t round) {
    return result().GetResult(round, "", 1, false);
}

std::string clsMulti::ResultUserFileName(int32_t lngRound) {
    const std::string digits = std::to_string(lngRound);
    return "Brenvik_Result_" + std::string(digits.size() < 3 ? 3 - digits.size() : 0, '0') +
           digits + ".dat";
}

bool clsMulti::SaveResultUser() {
    const int32_t round = CurrentRound();
    if (round <= 0) return false;
    const std::string name = ResultUserFileName(round);
    try {
        if (officialResultCached(round)) return false;
        bool marked = false;
        std::string text;
        for (int32_t m = 1; m <= 13; ++m) {
            const uint8_t home = marks_[clsDrawMultiMenu::CellIndex(1, m)];
            const uint8_t draw = marks_[clsDrawMultiMenu::CellIndex(0, m)];
            const uint8_t away = marks_[clsDrawMultiMenu::CellIndex(2, m)];
            marked = marked || home != 0 || draw != 0 || away != 0;
            text += std::to_string(home) + "," + std::to_string(draw) + "," + std::to_string(away) +
                    "\r\n";
        }
        // With nothing marked an earlier file stays: the marks may not have been loaded yet.
        if (!marked) return true;
        clsFileSystemObject fso;
        const std::string folder = programFolder().join("SysData/Temp");
        if (fso.FolderCheck(folder)) {
            clsFileStream::WriteFileReplacing(fso.BuildPath(folder, name), cp932::fromUtf8(text));
            return true;
        }
    } catch (const std::exception&) {
        // Reported below in the program's words.
    }
    report.message("SaveResultUser", name + "\r\nファイルの保存に失敗しました。");
    return false;
}

namespace {

// 13 lines "home,draw,away" of the values a hand-made result can hold; false for anything else.
bool parseResultUser(const std::string& text, MultiMarks& marks) {
    std::size_t pos = 0;
    for (int32_t m = 1; m <= 13; ++m) {
        if (pos >= text.size()) return false;
        std::size_t end = text.find_first_of("\r\n", pos);
        if (end == std::string::npos) end = text.size();
        const std::string line = text.substr(pos, end - pos);
        pos = end;
        if (pos < text.size() && text[pos] == '\r') ++pos;
        if (pos < text.size() && text[pos] == '\n') ++pos;
        const int columns[3] = {1, 0, 2};
        std::size_t from = 0;
        for (int k = 0; k < 3; ++k) {
            const std::size_t comma = line.find(',', from);
            if ((comma == std::string::npos) != (k == 2)) return false;
            const std::string piece =
                line.substr(from, comma == std::string::npos ? std::string::npos : comma - from);
            const int32_t v = classic::toLong(piece);
            if (v != 0 && v != 1 && v != 2 && v != 4) return false;
            marks[clsDrawMultiMenu::CellIndex(columns[k], m)] = static_cast<uint8_t>(v);
            from = comma + 1;
        }
    }
    return true;
}

}  // namespace

bool clsMulti::LoadResultUser() {
    const int32_t round = CurrentRound();
    if (round <= 0) return false;
    const std::string name = ResultUserFileName(round);
    bool loaded = false;
    guarded("LoadResultUser", [&] {
        if (officialResultCached(round)) return;
        clsFileSystemObject fso;
        const std::string path = fso.BuildPath(programFolder().join("SysData/Temp"), name);
        MultiMarks marks{};
        if (fso.FileExists(path)) {
            bool ok = false;
            try {
                ok = parseResultUser(cp932::toUtf8(clsFileStream::ReadWholeFile(path)), marks);
            } catch (const std::exception&) {
                ok = false;
            }
            if (!ok) {
                report.message("LoadResultUser", name + "\r\nファイルの読込に失敗しました。");
                return;
            }
        }
        marks_ = marks;
        loaded = true;
        Redraw.emit();
        SelectChange.emit();
    });
    return loaded;
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
    guarded("cMulti_DloadClick", [this] {
        const int32_t round = CurrentRound();
        if (round <= 0) {
            showInformation(" 結果情報",
                            "開催回が指定されていません。\r\n"
                            "左上の[GameLoad]より試合データを読み込んでください。");
            return;
        }
        bool question = false;
        DloadClickBefore.emit(question);
        clsResult& store = result();
        if (store.GetResult(round, "", 1 | 2, question)) {
            const ResultRecord record = store.Result();
            std::array<uint8_t, 14> lot{};
            for (std::size_t m = 1; m <= 13; ++m) lot[m] = record.Matches[m].LotResult;
            SetResult(lot);
            DloadClick.emit();
            return;
        }
        if (store.Cancel()) return;
        if (store.Unpublished()) {
            showInformation(" 結果情報", "現在、この開催回のくじ結果は発表されていません。");
        } else {
            showWarning(" 結果情報", "インターネットよりダウンロードに失敗しました。");
        }
    });
}

}  // namespace brenvik
