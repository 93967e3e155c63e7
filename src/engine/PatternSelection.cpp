#include "engine/PatternSelection.h"

#include "app/AppInfo.h"
#include "app/BusyPointer.h"
#include "app/Messages.h"
#include "app/Utf8.h"
#include "engine/basPattern.h"
#include "engine/clsBrenvik.h"
#include "engine/clsPattern.h"

namespace brenvik {
namespace {

// "#,###0"
std::string thousands(int64_t value) {
    const std::string digits = std::to_string(value < 0 ? -value : value);
    std::string out = value < 0 ? "-" : "";
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) out += ',';
        out += digits[i];
    }
    return out;
}

std::string percentCell(int32_t v) {
    return (v == 999 ? std::string("---") : utf8::padLeft(std::to_string(v), 3)) + "%: ";
}

// The outcome of a match with one mark (0 when unmarked).
uint8_t markedOutcome(const MultiMarks& marks, int m) {
    if (marks[static_cast<std::size_t>(m)] != 0) return 1;
    if (marks[static_cast<std::size_t>(13 + m)] != 0) return 0;
    if (marks[static_cast<std::size_t>(26 + m)] != 0) return 2;
    return 0;
}

// A match whose outcome the code chooses, in code order, and the outcomes of its roles.
struct Position {
    int match;
    int radix;  // 2 for a double, 3 for a triple
    std::array<uint8_t, 3> role;
};

}  // namespace

PatternSelection::PatternSelection(const PatternLibrary& library) : library_(library) {}

void PatternSelection::AttachCountBoxes(GameNoText* first, GameNoText* second) {
    countBoxes_ = {first, second};
}

void PatternSelection::setCountBoxes(int32_t doubles, int32_t triples) {
    doubleCount_ = doubles;
    tripleCount_ = triples;
    for (GameNoText* box : countBoxes_) {
        if (!box) continue;
        box->DoubleCount(doubles);
        box->TripleCount(triples);
    }
}

void PatternSelection::clearSelection() {
    patternPresent_ = false;
    selectedListIndex_ = 0;
    listToPattern_.clear();
    rows_.clear();
}

void PatternSelection::ShowMultiHelp(const MultiMarks& marks) {
    clearSelection();
    setCountBoxes(0, 0);
    help_.Cls();
    const MultiSummary summary = clsBrenvik::GetMultiSummary(marks);
    for (const char* print : {
             "\\2■□ 操作説明 □■\\/",
             "",
             "左の\\3[1][0][2]\\2の上で\\7左クリック\\2するとマークします。\\/",
             "マークされた状態で\\7左クリック\\2するとマークを解除します。\\/",
             "",
             "左の\\3[1][0][2]\\2の上で\\7右クリック\\2すると\\5[本命][対抗][穴]\\2を\\/",
             "選択します。本命は\\5[青] \\2対抗は\\5[黒] \\2穴は\\5[赤]\\2で表示されます。\\/",
             "必ず指定する必要はありませんが、なるべく指定して下さい。\\/",
             "指定する事により\\5最適な購入パターン\\2になります。\\/",
             "",
             "本命などを指定しない場合\\3[1][2][0]\\2の順で\\5[本命][対抗][穴]"
             "\\2を選択したことになります。",
             "\\1例えば[0][2]にマークを行った場合は[2]が本命[0]が対抗になります。\\/",
             "",
             "\\3[ﾗﾝﾀﾞﾑﾁｬﾝｽ]\\2を\\7クリック\\2するとランダムでマークします。\\/",
             "",
             "\\3[取消]\\2を\\7クリック\\2すると全てのマークを解除します。\\/",
             "",
             "左下の\\3[SAVE][LOAD]\\2を\\7クリック\\2すると、予想をファイルに保存したり読み込む"
             "事が出来ます。\\/",
             "",
             "通常の保存は\\3MULTI\\2を利用して下さい。\\3SINGLE\\2は主に他のソフトウェアとデータ"
             "を",
             "やり取りしたりする時に利用します｡\\/",
             "",
         }) {
        help_.CPrint(print);
    }
    help_.CPrint("あと\\5" + utf8::padLeft(std::to_string(summary.Unmarked), 2) +
                 "試合\\2マークして下さい。\\/");
    HelpRefresh.emit();
    if (summary.Unmarked > 0) {
        patternPanelVisible_ = false;
    } else {
        ShowPatternList(marks);
    }
}

void PatternSelection::ShowPatternList(const MultiMarks& marks) {
    help_.Cls();
    const MultiSummary s = clsBrenvik::GetMultiSummary(marks);
    clearSelection();
    help_.CPrint("\\2■□ Multi □■\\/");
    help_.CPrint("");
    help_.CPrint("\\1ダブル\\2[\\1" + std::to_string(s.Doubles) + "\\2]\\2通り ");
    help_.CPrint("\\1トリプル\\2[\\1" + std::to_string(s.Triples) + "\\2]\\2通り ");
    help_.CPrint("\\1トータル\\2[\\1" + thousands(s.Combinations) + "\\2]\\2通り\\/");
    help_.CPrint("");
    setCountBoxes(s.Doubles, s.Triples);

    for (const int32_t i : library_.ofShape(s.Doubles, s.Triples)) {
        const PatternRecord& p = library_.at(i);
        if (p.Listed == 0 && p.ID != loadedPatternID_) continue;
        patternPresent_ = true;
        listToPattern_.push_back(i);
        const int64_t n =
            p.Kind == KindPlain ? int64_t{s.Combinations} : static_cast<int64_t>(p.Codes.size());
        std::string row = n > 9999 ? std::string("----") : utf8::padLeft(std::to_string(n), 4);
        row += ": ";
        for (int32_t pct : {p.Pct12, p.Pct123, p.Pct1, p.Pct2, p.Pct3}) row += percentCell(pct);
        row += p.ListText;
        rows_.push_back(std::move(row));
    }

    if (patternPresent_) {
        lstQel_Click(0);
        title_ = " 口数 1-2等 1-3等　１等　２等　３等　 パターン名称";
        for (const char* print : {
                 "\\2■□ 操作説明 □■\\/",
                 "",
                 "下記のリストのようにマルチをシングルに変換できます。\\/",
                 "リストより変換したいパターンを選択して下さい。\\/",
                 "リストの一番左が購入に必要な口数です。\\/",
                 "",
                 "シングルの構成を見るには左の\\5[SINGLE]\\2を\\5クリック\\2して下さい。\\/",
             }) {
            help_.CPrint(print);
        }
        patternPanelVisible_ = true;
    } else {
        help_.CPrint("\\2■□ 操作説明 □■\\/");
        help_.CPrint("");
        help_.CPrint("\\2マークされた組合せは現在サポートされていません。");
        patternPanelVisible_ = false;
    }
    HelpRefresh.emit();
}

void PatternSelection::lstQel_Click(int32_t row) {
    if (row >= 0 && row < ListCount()) selectedListIndex_ = row + 1;
}

bool PatternSelection::SelectPatternID(int32_t id) {
    for (int32_t r = 0; r < ListCount(); ++r) {
        if (library_.at(listToPattern_[static_cast<std::size_t>(r)]).ID == id) {
            selectedListIndex_ = r + 1;
            return true;
        }
    }
    return false;
}

int32_t PatternSelection::GetSelectQel() const {
    if (selectedListIndex_ < 1 || selectedListIndex_ > ListCount()) return 0;
    return listToPattern_[static_cast<std::size_t>(selectedListIndex_ - 1)];
}

int32_t PatternSelection::GetPatternID() const {
    const int32_t i = GetSelectQel();
    return patternPresent_ && i > 0 ? library_.at(i).ID : 0;
}

std::string PatternSelection::SelectedNote() const {
    const int32_t i = GetSelectQel();
    return i > 0 ? library_.at(i).Note : std::string();
}

void PatternSelection::SetQelData(const MultiMarks& marks) {
    BusyScope busy;
    if (singleMode_) return;
    singles_.clear();
    singles_.shrink_to_fit();  // a previous 13-triple expansion should not linger
    const int32_t index = GetSelectQel();
    if (!patternPresent_ || index < 1) return;
    const PatternRecord& p = library_.at(index);

    const bool coded = (p.Kind >= 0 && p.Kind <= 13) || p.Kind == KindComposite;
    if (!coded && p.Kind != KindPlain) {
        showWarning(app::Title, "パターンタイプのプログラムが見つかりません\r\nパターン番号 [" +
                                    std::to_string(p.Kind) + "]");
        return;
    }

    // The roles of the doubles, then of the triples, in match order.
    std::vector<Position> positions;
    bool chosen[14] = {};
    for (int marksWanted : {2, 3}) {
        for (const RoleEntry& e : clsBrenvik::GetRoleList(marks)) {
            if (e.Marks != marksWanted) continue;
            positions.push_back({e.Match,
                                 marksWanted,
                                 {static_cast<uint8_t>(e.Role1), static_cast<uint8_t>(e.Role2),
                                  static_cast<uint8_t>(e.Role3)}});
            chosen[e.Match] = true;
        }
    }
    SingleRecord fixed;
    for (int m = 1; m <= 13; ++m) {
        if (!chosen[m]) fixed.Outcome[static_cast<std::size_t>(m)] = markedOutcome(marks, m);
    }
    auto place = [&](auto digitAt) {
        SingleRecord s = fixed;
        for (std::size_t k = 0; k < positions.size(); ++k) {
            const Position& pos = positions[k];
            s.Outcome[static_cast<std::size_t>(pos.match)] = pos.role[digitAt(k)];
            s.SetPatternDecided(pos.match, true);
        }
        singles_.push_back(s);
    };

    if (!coded) {
        const CodeMatrix all = clsPattern().GetMultiPatternEx(p.Doubles, p.Triples, 0);
        if (static_cast<std::size_t>(all.Columns) < positions.size()) return;
        singles_.reserve(static_cast<std::size_t>(all.Rows));
        for (int32_t r = 0; r < all.Rows; ++r) {
            const uint8_t* row = all.row(r);
            place([row](std::size_t k) { return row[k]; });
        }
        return;
    }

    // A code that is too short, or whose digit names a role the match does not have, would
    // make a single the multi does not contain: the whole conversion is refused.
    for (const std::string& code : p.Codes) {
        bool good = code.size() >= positions.size();
        for (std::size_t k = 0; good && k < code.size(); ++k) {
            const int radix = k < positions.size() ? positions[k].radix : 3;
            good = code[k] >= '0' && code[k] < '0' + radix;
        }
        if (!good) {
            showWarning(app::Title,
                        "パターンのコードが正しくないため、シングルに変換できません\r\n"
                        "パターンID [" +
                            std::to_string(p.ID) + "]\r\nコード [" + code + "]");
            return;
        }
    }
    singles_.reserve(p.Codes.size());
    for (const std::string& code : p.Codes) {
        place([&code](std::size_t k) { return static_cast<std::size_t>(code[k] - '0'); });
    }
}

}  // namespace brenvik
