#include <gtest/gtest.h>

#include <sstream>

#include "cli/Cli.h"
#include "files/clsTFileKVR.h"
#include "lottery/clsTotoNo.h"
#include "payout/MoneyListModel.h"
#include "support/Recorders.h"

namespace brenvik {
namespace {

struct Outcome {
    int code;
    std::string out, err;
};

Outcome run(std::vector<std::string> args) {
    std::ostringstream out, err;
    const int code = cli::run(args, out, err);
    return {code, out.str(), err.str()};
}

int32_t numberOf(const char* outcomes) {
    clsTotoNo::Composition c{};
    for (std::size_t m = 1; m <= 13; ++m) c[m] = static_cast<uint8_t>(outcomes[m - 1] - '0');
    return clsTotoNo().GetByteNo(c);
}

VoteRecord votes() {
    VoteRecord v;
    v.Kaisaikai = 1234;
    v.AsOf = DateTime::fromFields(2021, 5, 1, 13, 50, 0);
    for (std::size_t m = 1; m <= 13; ++m) {
        v.Matches[m].Home = "ホーム";
        v.Matches[m].Away = "アウェイ";
        const int64_t votes[3] = {2000, 5000 - 100 * static_cast<int64_t>(m), 3000};
        for (std::size_t k = 0; k < 3; ++k)
            v.Matches[m].Outcomes[k].Votes = Currency::fromInteger(votes[k]);
    }
    return v;
}

std::vector<std::string> split(const std::string& text, char sep) {
    std::vector<std::string> parts;
    std::string piece;
    for (const char c : text) {
        if (c == sep) {
            parts.push_back(piece);
            piece.clear();
        } else {
            piece += c;
        }
    }
    if (!piece.empty()) parts.push_back(piece);
    return parts;
}

class PayoutCli : public ::testing::Test {
  protected:
    std::string save(const std::vector<int32_t>& singles, const VoteRecord& vote) {
        KvrData data;
        data.Kaisaikai = vote.Kaisaikai;
        data.SingleCount = static_cast<int32_t>(singles.size());
        data.Singles = singles;
        data.Vote = vote;
        const std::string path = (dir.path() / "pred.kvr").string();
        EXPECT_TRUE(clsTFileKVR().Save(path, data, true));
        return path;
    }
    test::TempProgramFolder dir;
};

TEST_F(PayoutCli, PayoutPrintsColumns0To23OfEverySingle) {
    const std::vector<int32_t> singles = {numberOf("1111111111111"), numberOf("0210210210210")};
    const std::string path = save(singles, votes());
    Outcome r = run({"payout", path});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.err, "");
    const auto lines = split(r.out, '\n');
    ASSERT_EQ(lines.size(), 2u);
    MoneyListModel list;
    list.Fill(votes(), singles, MoneyListModel::AllPossible());
    for (std::size_t i = 0; i < 2; ++i) {
        const auto cells = split(lines[i], '\t');
        ASSERT_EQ(cells.size(), 24u);
        for (int32_t c = 0; c < 24; ++c)
            EXPECT_EQ(cells[static_cast<std::size_t>(c)], list.Text(static_cast<int32_t>(i), c));
    }
    EXPECT_EQ(split(lines[1], '\t')[1], "0");
    EXPECT_EQ(split(lines[1], '\t')[17], "1");

    // With a result, column 17 counts the matches already lost.
    r = run({"payout", path, "1111111111---"});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(split(split(r.out, '\n')[0], '\t')[17], "1");
    EXPECT_EQ(split(split(r.out, '\n')[1], '\t')[17], "8");
}

TEST_F(PayoutCli, PayoutWithoutSinglesListsTheReferenceSingles) {
    const Outcome r = run({"payout", save({}, votes())});
    ASSERT_EQ(r.code, 0) << r.err;
    const auto lines = split(r.out, '\n');
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[2].substr(0, 28), "3\t2\t2\t2\t2\t2\t2\t2\t2\t2\t2\t2\t2\t2\t");
}

TEST_F(PayoutCli, PayoutNeedsAVoteStatusAndADataFile) {
    Outcome r = run({"payout", save({1, 2}, VoteRecord{})});
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.err, "投票状況データがみつかりません。\n投票状況をダウンロードして下さい。\n");
    dir.write("other.kvr", "not a data file\r\n");
    r = run({"payout", (dir.path() / "other.kvr").string()});
    EXPECT_EQ(r.code, 1);
    EXPECT_NE(r.err.find("Brenvikのファイルではありません。"), std::string::npos);
    EXPECT_EQ(r.out, "");
}

TEST_F(PayoutCli, GradePrintsTheCountsAndThePrizeCounter) {
    const std::vector<int32_t> singles = {numberOf("1111111111111"), numberOf("1111111111110"),
                                          numberOf("2111111111110"), numberOf("2211111111110"),
                                          numberOf("0000000000000")};
    const std::string path = save(singles, votes());
    // Match 12 void, match 13 not yet played.
    Outcome r = run({"grade", path, "111111111113-"});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out,
              "1等\t2\n2等\t1\n3等\t1\n4等\t0\n等外\t1\n"
              "１等  　　２口\n２等  　　１口\n３等  　　１口\n等外  　　１口\n");
}

TEST_F(PayoutCli, BadArgumentsGiveTheUsage) {
    const std::string path = save({1}, votes());
    for (const auto& args :
         std::vector<std::vector<std::string>>{{"payout"},
                                               {"payout", path, "111"},
                                               {"payout", path, "1", "2"},
                                               {"grade", path},
                                               {"grade", path, "11111111111x1"}}) {
        const Outcome r = run(args);
        EXPECT_EQ(r.code, 2) << ::testing::PrintToString(args);
        EXPECT_NE(r.err.find("usage: brenvik-cli"), std::string::npos);
    }
}

}  // namespace
}  // namespace brenvik
