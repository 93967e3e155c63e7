#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/PatternSelection.h"
#include "engine/basPattern.h"
#include "engine/clsBrenvik.h"
#include "support/Recorders.h"

namespace brenvik {
namespace {

// 13 groups of three digits: the mark values of outcomes 1, 0 and 2 of each match.
MultiMarks marksOf(const std::string& groups) {
    MultiMarks m{};
    for (int match = 1; match <= 13; ++match) {
        const std::size_t at = static_cast<std::size_t>(match - 1) * 4;
        m[static_cast<std::size_t>(match)] = static_cast<uint8_t>(groups.at(at) - '0');
        m[static_cast<std::size_t>(13 + match)] = static_cast<uint8_t>(groups.at(at + 1) - '0');
        m[static_cast<std::size_t>(26 + match)] = static_cast<uint8_t>(groups.at(at + 2) - '0');
    }
    return m;
}

// Match groups for matches 2..13, every one a single mark (home, draw or away in turn).
const std::string Rest = ",200,020,002,200,020,002,200,020,002,200,020,002";

PatternRecord pattern(int32_t id, int32_t d, int32_t t, int32_t kind,
                      std::vector<std::string> codes, uint8_t listed = 1,
                      std::string text = "テスト") {
    PatternRecord p;
    p.ID = id;
    p.Listed = listed;
    p.Doubles = d;
    p.Triples = t;
    p.Pct12 = 75;
    p.Pct123 = 100;
    p.Pct1 = 5;
    p.Pct2 = 25;
    p.Pct3 = 999;
    p.ListText = std::move(text);
    p.Kind = kind;
    p.Codes = std::move(codes);
    p.Note = " note " + std::to_string(id);
    return p;
}

// The outcomes of matches 1..13 as one text.
std::string outcomes(const SingleRecord& s) {
    std::string t;
    for (int m = 1; m <= 13; ++m)
        t += static_cast<char>('0' + s.Outcome[static_cast<std::size_t>(m)]);
    return t;
}

TEST(PatternRoles, RolesFollowMarkValuesThenHomeAwayDraw) {
    struct Case {
        const char* cells;  // outcomes 1, 0, 2 of match 4
        RoleEntry entry;
    };
    const Case cases[] = {
        {"220", {4, 1, 0, 0, 2}},  // plain home and draw: home is 本命
        {"202", {4, 1, 2, 0, 2}},  // plain home and away
        {"022", {4, 2, 0, 0, 2}},  // plain draw and away: away is 本命
        {"103", {4, 1, 2, 0, 2}},  // 本命 and 穴: the 穴 cell takes the second role
        {"012", {4, 0, 2, 0, 2}}, {"230", {4, 1, 0, 0, 2}},
        {"312", {4, 0, 2, 1, 3}},  // home 穴, draw 本命, away 対抗
        {"212", {4, 0, 1, 2, 3}},  // partly assigned: 本命 draw, then plain home, away
        {"222", {4, 1, 2, 0, 3}}, {"321", {4, 2, 0, 1, 3}},
    };
    for (const Case& c : cases) {
        const std::string g = std::string("200,020,002,") + c.cells + Rest.substr(12);
        const RoleList list = clsBrenvik::GetRoleList(marksOf(g));
        ASSERT_EQ(list.size(), 1u) << c.cells;
        EXPECT_EQ(list[0], c.entry) << c.cells;
    }
    EXPECT_EQ(clsBrenvik::GetRoleList(marksOf("200" + Rest)), (RoleList{{14, 0, 0, 0, 1}}));
    const MultiSummary s = clsBrenvik::GetMultiSummary(marksOf("222,202,000" + Rest.substr(8)));
    EXPECT_EQ(s.Unmarked, 1);
    EXPECT_EQ(s.Singles, 10);
    EXPECT_EQ(s.Doubles, 1);
    EXPECT_EQ(s.Triples, 1);
    EXPECT_EQ(s.Combinations, 6);
}

TEST(PatternSelection, ConvertsCodesOntoTheDoublesAndKeepsSingleMarks) {
    const PatternLibrary lib({pattern(1, 1, 0, 0, {"0", "1"})});
    PatternSelection sel(lib);
    const MultiMarks m = marksOf("120" + Rest);
    sel.ShowMultiHelp(m);
    test::BusyRecorder busy;
    sel.SetQelData(m);
    EXPECT_EQ(busy.begun, 1);
    EXPECT_EQ(busy.depth, 0);
    ASSERT_EQ(sel.GetSingleCount(), 2);
    EXPECT_EQ(outcomes(sel.Singles()[0]), "1102102102102");
    EXPECT_EQ(outcomes(sel.Singles()[1]), "0102102102102");
    for (const SingleRecord& s : sel.Singles()) {
        EXPECT_EQ(s.DecidedMask, 1u << 1);  // only match 1
    }
}

TEST(PatternSelection, PlainMultiExpandsAllCombinationsInFullListOrder) {
    const PatternLibrary lib({pattern(7, 2, 1, KindPlain, {"-"})});
    PatternSelection sel(lib);
    // Match 1 plain home/draw, match 2 plain draw/away (away 本命), match 3 plain triple.
    const MultiMarks m = marksOf("220,022,222" + Rest.substr(8));
    sel.ShowMultiHelp(m);
    sel.SetQelData(m);
    const std::vector<std::string> codes{"000", "001", "002", "010", "011", "012",
                                         "100", "101", "102", "110", "111", "112"};
    ASSERT_EQ(sel.GetSingleCount(), 12);
    const char roles1[] = {'1', '0'}, roles2[] = {'2', '0'}, roles3[] = {'1', '2', '0'};
    for (std::size_t i = 0; i < codes.size(); ++i) {
        const std::string o = outcomes(sel.Singles()[i]);
        EXPECT_EQ(o[0], roles1[codes[i][0] - '0']);
        EXPECT_EQ(o[1], roles2[codes[i][1] - '0']);
        EXPECT_EQ(o[2], roles3[codes[i][2] - '0']);
        EXPECT_EQ(o.substr(3), "2102102102");
        EXPECT_EQ(sel.Singles()[i].DecidedMask, 0b1110u);
    }
}

TEST(PatternSelection, ThirteenTriplesExpandToEveryCombination) {
    const PatternLibrary lib({pattern(1, 0, 13, KindPlain, {})});
    PatternSelection sel(lib);
    const MultiMarks m = marksOf("123,123,123,123,123,123,123,123,123,123,123,123,123");
    sel.ShowMultiHelp(m);
    EXPECT_EQ(sel.lstQel().at(0).substr(0, 4), "----");
    sel.SetQelData(m);
    ASSERT_EQ(sel.GetSingleCount(), 1594323);
    EXPECT_EQ(outcomes(sel.Singles().front()), "1111111111111");
    EXPECT_EQ(outcomes(sel.Singles()[1]), "1111111111110");
    EXPECT_EQ(outcomes(sel.Singles().back()), "2222222222222");
}

TEST(PatternSelection, MalformedCodesAndUnknownKindsMakeNoSingles) {
    struct Case {
        PatternRecord p;
        std::string text;
    };
    const std::string bad =
        "パターンのコードが正しくないため、シングルに変換できません\r\nパターンID [";
    const Case cases[] = {
        {pattern(1, 1, 1, 0, {"00", "0"}), bad + "1]\r\nコード [0]"},
        {pattern(2, 1, 1, 0, {"01", "0x"}), bad + "2]\r\nコード [0x]"},
        {pattern(3, 1, 1, 0, {"20"}), bad + "3]\r\nコード [20]"},  // no third role in a double
        {pattern(4, 1, 1, 0, {"00", ""}), bad + "4]\r\nコード []"},
        {pattern(5, 1, 1, 5000, {"00"}),
         "パターンタイプのプログラムが見つかりません\r\nパターン番号 [5000]"},
    };
    const MultiMarks m = marksOf("220,222" + Rest.substr(4));
    for (const Case& c : cases) {
        const PatternLibrary lib({c.p});
        PatternSelection sel(lib);
        sel.ShowMultiHelp(m);
        test::MessageRecorder rec;
        sel.SetQelData(m);
        EXPECT_EQ(sel.GetSingleCount(), 0) << c.p.ID;
        ASSERT_EQ(rec.boxes.size(), 1u) << c.p.ID;
        EXPECT_EQ(rec.boxes[0].title, "Brenvik");
        EXPECT_EQ(rec.boxes[0].text, c.text);
    }
}

TEST(PatternSelection, HelpWhileMatchesAreUnmarked) {
    const PatternLibrary lib({pattern(1, 1, 0, 0, {"0"})});
    PatternSelection sel(lib);
    GameNoText boxA, boxB;
    sel.AttachCountBoxes(&boxA, &boxB);
    int refreshed = 0;
    sel.HelpRefresh.subscribe([&] { ++refreshed; });
    sel.ShowMultiHelp(marksOf("120,000" + Rest.substr(4)));
    const auto& prints = sel.Help().Prints();
    ASSERT_EQ(prints.size(), 23u);
    EXPECT_EQ(prints[0], "\\2■□ 操作説明 □■\\/");
    EXPECT_EQ(prints[1], "");
    EXPECT_EQ(prints[10],
              "本命などを指定しない場合\\3[1][2][0]\\2の順で\\5[本命][対抗][穴]\\2を選択したことに"
              "なります。");
    EXPECT_EQ(prints[20], "やり取りしたりする時に利用します｡\\/");
    EXPECT_EQ(prints[22], "あと\\5 1試合\\2マークして下さい。\\/");
    EXPECT_EQ(refreshed, 1);
    EXPECT_FALSE(sel.PatternPanelVisible());
    EXPECT_FALSE(sel.PatternPresent());
    EXPECT_EQ(sel.ListCount(), 0);
    EXPECT_EQ(sel.DoubleCount(), 0);
    EXPECT_EQ(boxA.CountLabel(), boxB.CountLabel());
    sel.SetQelData(marksOf("120,000" + Rest.substr(4)));
    EXPECT_EQ(sel.GetSingleCount(), 0);
}

TEST(PatternSelection, CompleteMultiWithoutFittingPattern) {
    const PatternLibrary lib({pattern(1, 1, 0, 0, {"0"})});
    PatternSelection sel(lib);
    const MultiMarks m = marksOf("222,220" + Rest.substr(4));
    sel.ShowMultiHelp(m);
    EXPECT_EQ(
        sel.Help().Prints(),
        (std::vector<std::string>{"\\2■□ Multi □■\\/", "", "\\1ダブル\\2[\\11\\2]\\2通り ",
                                  "\\1トリプル\\2[\\11\\2]\\2通り ",
                                  "\\1トータル\\2[\\16\\2]\\2通り\\/", "", "\\2■□ 操作説明 □■\\/",
                                  "", "\\2マークされた組合せは現在サポートされていません。"}));
    EXPECT_EQ(sel.DoubleCount(), 1);
    EXPECT_EQ(sel.TripleCount(), 1);
    EXPECT_FALSE(sel.PatternPanelVisible());
    EXPECT_EQ(sel.GetSelectQel(), 0);
    EXPECT_EQ(sel.GetPatternID(), 0);
    sel.SetQelData(m);
    EXPECT_EQ(sel.GetSingleCount(), 0);
}

TEST(PatternSelection, ListRowsSelectionAndHiddenPatterns) {
    const PatternLibrary lib({pattern(10, 2, 0, 0, {"00", "01", "10"}), pattern(11, 1, 0, 0, {"0"}),
                              pattern(12, 2, 0, KindPlain, {}, 1, "通常マルチ"),
                              pattern(13, 2, 0, 1, {"00"}, 0, "隠し")});
    PatternSelection sel(lib);
    const MultiMarks m = marksOf("220,202" + Rest.substr(4));
    sel.ShowMultiHelp(m);
    EXPECT_EQ(sel.lstQel(),
              (std::vector<std::string>{"   3:  75%: 100%:   5%:  25%: ---%: テスト",
                                        "   4:  75%: 100%:   5%:  25%: ---%: 通常マルチ"}));
    EXPECT_EQ(sel.ListToPattern(), (std::vector<int32_t>{1, 3}));
    EXPECT_EQ(sel.lblQelTitle(), " 口数 1-2等 1-3等　１等　２等　３等　 パターン名称");
    EXPECT_TRUE(sel.PatternPanelVisible());
    EXPECT_EQ(sel.SelectedListIndex(), 1);
    EXPECT_EQ(sel.GetSelectQel(), 1);
    EXPECT_EQ(sel.GetPatternID(), 10);
    EXPECT_EQ(sel.SelectedNote(), " note 10");
    const auto& prints = sel.Help().Prints();
    ASSERT_EQ(prints.size(), 13u);
    EXPECT_EQ(prints[4], "\\1トータル\\2[\\14\\2]\\2通り\\/");
    EXPECT_EQ(prints[8], "下記のリストのようにマルチをシングルに変換できます。\\/");
    EXPECT_EQ(prints[12],
              "シングルの構成を見るには左の\\5[SINGLE]\\2を\\5クリック\\2して下さい。\\/");

    sel.lstQel_Click(1);
    EXPECT_EQ(sel.GetPatternID(), 12);
    sel.SetQelData(m);
    EXPECT_EQ(sel.GetSingleCount(), 4);
    EXPECT_FALSE(sel.SelectPatternID(13));
    EXPECT_EQ(sel.GetPatternID(), 12);

    // A file naming the hidden pattern brings it into the list.
    sel.LoadedPatternID(13);
    sel.ShowMultiHelp(m);
    EXPECT_EQ(sel.ListCount(), 3);
    EXPECT_TRUE(sel.SelectPatternID(13));
    EXPECT_EQ(sel.GetSelectQel(), 4);
    sel.SetQelData(m);
    ASSERT_EQ(sel.GetSingleCount(), 1);
    EXPECT_EQ(outcomes(sel.Singles()[0]), "1102102102102");

    // Singles from a file stay as they are.
    sel.SingleMode(true);
    sel.SetSingles({});
    sel.SetQelData(m);
    EXPECT_EQ(sel.GetSingleCount(), 0);
}

TEST(PatternSelection, ThousandsInTheTotal) {
    const PatternLibrary lib;
    PatternSelection sel(lib);
    sel.ShowMultiHelp(marksOf("222,222,222,222,222,222,222,222,220,220,220,220,220"));
    EXPECT_EQ(sel.Help().Prints()[4], "\\1トータル\\2[\\1209,952\\2]\\2通り\\/");
}

}  // namespace
}  // namespace brenvik
