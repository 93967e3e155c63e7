#include <gtest/gtest.h>

#include "VoteFixture.h"
#include "app/Cp932.h"
#include "lottery/clsTotoNo.h"
#include "payout/MoneyListModel.h"
#include "payout/NumberFormat.h"
#include "support/Recorders.h"

namespace brenvik {
namespace {

using Composition = std::array<uint8_t, 14>;

int32_t numberOf(const char* outcomes) {
    Composition c{};
    for (std::size_t m = 1; m <= 13; ++m) c[m] = static_cast<uint8_t>(outcomes[m - 1] - '0');
    return clsTotoNo().GetByteNo(c);
}

// Home is the public's favourite everywhere, a little less so in later matches.
VoteRecord skewedVotes(int32_t round = 300) {
    VoteRecord v = test::uniformVotes(round, 0, 0, 0);
    for (std::size_t m = 1; m <= 13; ++m) {
        v.Matches[m].Outcomes[0].Votes = Currency::fromInteger(2000 + 10 * static_cast<int64_t>(m));
        v.Matches[m].Outcomes[1].Votes =
            Currency::fromInteger(5000 - 100 * static_cast<int64_t>(m));
        v.Matches[m].Outcomes[2].Votes = Currency::fromInteger(3000);
    }
    return v;
}

std::vector<std::string> row(const MoneyListModel& list, int32_t position) {
    std::vector<std::string> texts;
    for (int32_t c = 0; c < MoneyListModel::ColumnCount; ++c)
        texts.push_back(list.Text(position, c));
    return texts;
}

TEST(MoneyListModel, ColumnsInTheirOrder) {
    const auto& cols = MoneyListModel::Columns();
    std::string titles;
    int32_t width = 0;
    for (const auto& c : cols) titles += std::string(c.title) + "|", width += c.width;
    EXPECT_EQ(titles,
              "No.|1|2|3|4|5|6|7|8|9|10|11|12|13|１等配当|２等配当|３等配当|当数|1|0|2|順当|波乱|"
              "0+波乱||");
    EXPECT_EQ(width, 50 + 9 * 25 + 4 * 30 + 90 + 80 + 80 + 40 + 3 * 25 + 3 * 30 + 1);
    EXPECT_EQ(cols[0].alignment, ColumnAlignment::Right);
    EXPECT_EQ(cols[14].alignment, ColumnAlignment::Right);
    EXPECT_EQ(cols[17].alignment, ColumnAlignment::Center);
}

TEST(MoneyListModel, WithoutSinglesTheThreeReferenceRows) {
    MoneyListModel list;
    list.Fill(skewedVotes(), MoneyListModel::OpeningSingles({}), MoneyListModel::AllPossible());
    ASSERT_EQ(list.RowCount(), 3);
    const char* digits = "012";
    for (int32_t r = 0; r < 3; ++r) {
        const auto texts = row(list, r);
        EXPECT_EQ(texts[0], std::to_string(r + 1));
        for (int32_t m = 1; m <= 13; ++m)
            EXPECT_EQ(texts[static_cast<std::size_t>(m)], std::string(1, digits[r]));
        EXPECT_EQ(texts[17], "1");  // no result marks: the best grade is still reachable
        EXPECT_EQ(texts[24], "");
    }
    // All home wins: every pick the favourite.
    const auto home = row(list, 1);
    EXPECT_EQ(std::vector<std::string>(home.begin() + 18, home.begin() + 24),
              (std::vector<std::string>{"13", "0", "0", "13", "0", "0"}));
    const auto away = row(list, 2);
    EXPECT_EQ(std::vector<std::string>(away.begin() + 18, away.begin() + 24),
              (std::vector<std::string>{"0", "0", "13", "0", "13", "13"}));
}

TEST(MoneyListModel, MoneyColumnsShowTheEstimateWithSeparators) {
    const VoteRecord v = skewedVotes();
    const int32_t n = numberOf("1021021021021");
    MoneyListModel list;
    list.Fill(v, {n}, MoneyListModel::AllPossible());
    clsMoney money;
    money.SetVote(v);
    money.SingleNo(clsTotoNo().GetNoByte(n));
    ASSERT_TRUE(money.GetMoney());
    EXPECT_EQ(list.Text(0, 14), NumberFormat::Thousands(money.Money1()));
    EXPECT_EQ(list.Text(0, 16), NumberFormat::Thousands(money.Money3()));
    EXPECT_NE(list.Text(0, 14).find(','), std::string::npos);
    EXPECT_EQ(list.Value(0, 15), money.Money2().raw() / Currency::Scale);
}

TEST(MoneyListModel, ResultFilterAndReachColumn) {
    MultiMarks result{};
    result[1] = 1;       // match 1: home win
    result[13 + 2] = 1;  // match 2: a draw
    result[26 + 2] = 2;  // ... or an away win, marked by hand
    const auto filter = MoneyListModel::BuildResultFilter(result);
    EXPECT_EQ(filter[0], false);  // match 1 draw
    EXPECT_EQ(filter[1], true);
    EXPECT_EQ(filter[2], false);
    EXPECT_EQ(filter[3], true);
    EXPECT_EQ(filter[4], false);
    EXPECT_EQ(filter[5], true);
    EXPECT_TRUE(filter[6] && filter[7] && filter[8]);  // match 3: no result

    MoneyListModel list;
    list.Fill(skewedVotes(),
              {numberOf("1111111111111"), numberOf("0111111111111"), numberOf("0011111111111")},
              filter);
    EXPECT_EQ(list.Text(0, 17), "2");  // match 2's home win is out
    EXPECT_EQ(list.Text(1, 17), "3");
    EXPECT_EQ(list.Text(2, 17), "2");
}

TEST(MoneyListModel, SortingFollowsTheClickRules) {
    const std::vector<int32_t> singles = {numberOf("2222222222222"), numberOf("1111111111111"),
                                          numberOf("0000000000000"), numberOf("1111111111112")};
    MoneyListModel list;
    list.Fill(skewedVotes(), singles, MoneyListModel::AllPossible());
    const auto column = [&](int32_t c) {
        std::vector<int64_t> v;
        for (int32_t r = 0; r < list.RowCount(); ++r) v.push_back(list.Value(r, c));
        return v;
    };
    const auto numbers = [&] {
        std::string s;
        for (int32_t r = 0; r < list.RowCount(); ++r) s += list.Text(r, 0);
        return s;
    };
    list.ColumnClick(14);
    const auto asc = column(14);
    EXPECT_TRUE(std::is_sorted(asc.begin(), asc.end()));
    EXPECT_EQ(numbers(), "2413");  // the favourites' single pays least
    list.ColumnClick(14);
    EXPECT_TRUE(list.SortDescending());
    EXPECT_EQ(numbers(), "3142");
    list.ColumnClick(14);
    EXPECT_EQ(numbers(), "2413");
    list.ColumnClick(0);  // another column starts ascending
    EXPECT_EQ(numbers(), "1234");
    EXPECT_FALSE(list.SortDescending());
    list.ColumnClick(24);  // the filler is no sort key
    EXPECT_EQ(list.SortColumn(), 0);
    list.ColumnClick(13);  // equal values keep the order of their numbers
    EXPECT_EQ(numbers(), "3214");
}

TEST(MoneyListModel, ChecksSelectionStatusBarAndTickedCsv) {
    test::TempProgramFolder dir;
    test::MessageRecorder boxes;
    std::vector<int32_t> singles;
    for (int32_t i = 0; i < 24; ++i) singles.push_back(i);
    MoneyListModel list;
    list.Fill(skewedVotes(), singles, MoneyListModel::AllPossible());
    EXPECT_EQ(list.InitialStatusText(), " パターン総数: 24");

    // Saving with nothing ticked warns and writes nothing.
    EXPECT_FALSE(list.SaveTicked("UserData/Brenvik/a.csv"));
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].title, " シングルファイル保存");
    EXPECT_EQ(boxes.boxes[0].text,
              "保存対象データがありません。\r\n保存するためには最低でも１つのチェックが必要です。");
    EXPECT_FALSE(dir.exists("UserData/Brenvik/a.csv"));

    list.SetChecked(0, true);
    list.SetChecked(5, true);
    list.SetChecked(5, true);  // ticking twice counts once
    list.SetChecked(7, true);
    list.SetSelected(3, true);
    EXPECT_EQ(list.StatusText(), " パターン総数: 24 ／ 選択数: 1 ／ チェック数: 3");
    EXPECT_EQ(list.StatusText(40), " パターン総数: 24 ／ 選択数: Enter ／ チェック数: 3");
    EXPECT_EQ(list.StatusText(41), list.StatusText());

    list.InvertSelection();
    EXPECT_EQ(list.SelectedCount(), 23);
    list.UncheckSelected();  // the ticked rows are all among the selected
    EXPECT_EQ(list.CheckedCount(), 0);
    list.SelectAll();
    list.CheckSelected();
    EXPECT_EQ(list.CheckedCount(), 24);
    list.InvertSelection();
    list.SetSelected(2, true);
    list.SetSelected(1, true);
    list.UncheckSelected();  // the ticks of rows 1 and 2 go
    EXPECT_EQ(list.StatusText(), " パターン総数: 24 ／ 選択数: 2 ／ チェック数: 22");

    // The ticks follow their rows through a sort; the file takes the list's order.
    list.SelectAll();
    list.UncheckSelected();
    list.SetChecked(1, true);  // single 2: match 1 a home win
    list.SetChecked(2, true);  // single 3: match 1 an away win
    list.ColumnClick(0);
    list.ColumnClick(0);  // descending: single 3 before single 2
    EXPECT_TRUE(list.Checked(21) && list.Checked(22));
    const std::string csv = list.TickedCsv();
    EXPECT_EQ(csv, "2,0,0,0,0,0,0,0,0,0,0,0,0\r\n1,0,0,0,0,0,0,0,0,0,0,0,0\r\n");
    EXPECT_TRUE(list.SaveTicked("UserData/Brenvik/Qel-300.csv"));
    EXPECT_EQ(dir.read("UserData/Brenvik/Qel-300.csv"), cp932::fromUtf8(csv));
    EXPECT_EQ(MoneyListModel::ProposedFileName(7), "Qel-007.csv");
    EXPECT_EQ(MoneyListModel::ProposedFileName(1234), "Qel-1234.csv");
}

TEST(MoneyListModel, FailingEstimatesAreReportedOncePerFill) {
    test::MessageRecorder boxes;
    VoteRecord v = skewedVotes();
    v.Matches[1].Outcomes[0].Votes = Currency();  // nobody voted a draw in match 1
    std::vector<int32_t> singles;
    for (int32_t i = 0; i < 300; ++i) singles.push_back(i * 3);  // match 1 a draw: all fail
    singles.push_back(1);
    MoneyListModel list;
    list.Fill(v, singles, MoneyListModel::AllPossible());
    EXPECT_EQ(list.MoneyFailures(), 300);
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].title, "Brenvik / clsMoney / GetMoney");
    EXPECT_NE(boxes.boxes[0].text.find("300 口"), std::string::npos);
    EXPECT_EQ(list.Text(0, 14), "0");
    EXPECT_EQ(list.Text(0, 16), "0");
    EXPECT_NE(list.Text(300, 14), "0");
}

TEST(MoneyListModel, AVoteStatusWithoutVotesDoesNotOpen) {
    test::MessageRecorder boxes;
    VoteRecord v = skewedVotes();
    v.Matches[13].Outcomes = {};
    MoneyListModel list;
    EXPECT_FALSE(list.Open(v, {0, 1}, MoneyListModel::AllPossible()));
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_NE(boxes.boxes[0].title.find("frmMoney / ShowForm"), std::string::npos);
    EXPECT_EQ(list.RowCount(), 0);
}

TEST(MoneyListModel, CaptionAndStoredPlacement) {
    test::MessageRecorder boxes;
    EXPECT_FALSE(MoneyListModel::CheckVote(VoteRecord{}));
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].icon, MessageIcon::Information);
    EXPECT_EQ(boxes.boxes[0].title, " 推定配当");
    EXPECT_EQ(boxes.boxes[0].text,
              "投票状況データがみつかりません。\r\n投票状況をダウンロードして下さい。");
    VoteRecord v = skewedVotes(1234);
    EXPECT_EQ(MoneyListModel::Caption(v), " 第1234回 2021/05/01 13:50 推定配当");

    Settings s;
    auto p = MoneyListModel::ReadPlacement(s);
    EXPECT_FALSE(p.applied);
    EXPECT_EQ(p.widths[14], 90);
    s.WindowMoney = "100,200,9000,6000";
    s.WindowMoneyColumn = "60,-1,x,40";
    p = MoneyListModel::ReadPlacement(s);
    EXPECT_TRUE(p.applied);
    EXPECT_EQ(p.left, 100);
    EXPECT_EQ(p.height, 6000);
    EXPECT_EQ(p.widths[0], 60);
    EXPECT_EQ(p.widths[1], 25);  // negative: keeps its width
    EXPECT_EQ(p.widths[2], 0);   // not a number reads as 0
    EXPECT_EQ(p.widths[3], 40);
    s.WindowMoney = "1,2,3";
    EXPECT_THROW(MoneyListModel::ReadPlacement(s), RuntimeError);

    std::array<int32_t, 25> widths{};
    for (std::size_t i = 0; i < widths.size(); ++i) widths[i] = static_cast<int32_t>(i);
    MoneyListModel::StorePlacement(s, 10.5, 11.5, 5000.4, 3000.6, widths);
    EXPECT_EQ(s.WindowMoney, "10,12,5000,3001");
    EXPECT_EQ(s.WindowMoneyColumn, "0,1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,21,22,23");
}

}  // namespace
}  // namespace brenvik
