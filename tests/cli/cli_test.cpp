#include <gtest/gtest.h>

#include <filesystem>
#include <regex>
#include <sstream>

#include "cli/Cli.h"
#include "support/Recorders.h"

namespace brenvik {
namespace {

// A triple at match 1 (本命 1, 対抗 0, 穴 2), doubles at matches 2 and 3, one mark elsewhere.
const char* const Multi = "123,120,210,200,020,002,200,200,200,200,200,200,200";

struct Outcome {
    int code;
    std::string out, err;
};

Outcome run(std::vector<std::string> args) {
    std::ostringstream out, err;
    const int code = cli::run(args, out, err);
    return {code, out.str(), err.str()};
}

class Cli : public ::testing::Test {
  protected:
    void SetUp() override { dir.copyShippedSysData(); }
    test::TempProgramFolder dir;
};

TEST_F(Cli, CheckLoadsTheLibrary) {
    const Outcome r = run({"check"});
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.out, "ok\n");
    EXPECT_EQ(r.err, "");
}

TEST_F(Cli, CheckReportsTheStartUpMessage) {
    std::filesystem::remove(dir.path() / "SysData/TeamName1.dat");
    const Outcome r = run({"check"});
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "データファイル(TeamName1.dat)が見つかりません\n");
}

TEST_F(Cli, CheckReportsABrokenLibrary) {
    dir.write("SysData/Qel.dat", "D01T00,1,x,1:2:3:4:5,1,10000,-,@\r\n");
    const Outcome r = run({"check"});
    EXPECT_EQ(r.code, 1);
    EXPECT_NE(r.err.find((dir.path() / "SysData/Qel.dat").string() + "ファイルが壊れています\n"),
              std::string::npos);
}

TEST_F(Cli, BadArgumentsGiveTheUsage) {
    for (const auto& args :
         std::vector<std::vector<std::string>>{{},
                                               {"nonsense"},
                                               {"patterns"},
                                               {"patterns", "123,120"},
                                               {"patterns", "124" + std::string(Multi + 3)},
                                               {"expand", Multi},
                                               {"expand", Multi, "x"},
                                               {"report"},
                                               {"report", "1", "2", "3"},
                                               {"check", "x"}}) {
        const Outcome r = run(args);
        EXPECT_EQ(r.code, 2) << ::testing::PrintToString(args);
        EXPECT_NE(r.err.find("usage: brenvik-cli"), std::string::npos);
        EXPECT_EQ(r.out, "");
    }
}

TEST_F(Cli, PatternsListsIdAndRowText) {
    const Outcome r = run({"patterns", Multi});
    EXPECT_EQ(r.code, 0) << r.err;
    // The plain multi comes first; every row is the ID, a TAB and the list's row text.
    EXPECT_EQ(r.out.substr(0, r.out.find('\n') + 1),
              "20199001\t  12: 100%: 100%: 100%: 100%: 100%: 通常マルチ\n");
    std::istringstream lines(r.out);
    const std::regex row(R"(^\d+\t[ \d-]{4}(: [ \d-]{3}%){5}: .+$)");
    for (std::string l; std::getline(lines, l);) EXPECT_TRUE(std::regex_match(l, row)) << l;
}

TEST_F(Cli, PatternsOfAnIncompleteMultiFail) {
    const Outcome r = run({"patterns", "000,120,210,200,020,002,200,200,200,200,200,200,200"});
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_FALSE(r.err.empty());
}

TEST_F(Cli, ExpandWritesTheSinglesInCodeOrder) {
    const Outcome r = run({"expand", Multi, "20199001"});
    ASSERT_EQ(r.code, 0) << r.err;
    std::istringstream lines(r.out);
    std::vector<std::string> got;
    for (std::string l; std::getline(lines, l);) got.push_back(l);
    ASSERT_EQ(got.size(), 12u);
    // Codes 000, 001, 002, 010: doubles (matches 2, 3) first, then the triple (match 1).
    EXPECT_EQ(got[0], "1,1,0,1,0,2,1,1,1,1,1,1,1");
    EXPECT_EQ(got[1], "0,1,0,1,0,2,1,1,1,1,1,1,1");
    EXPECT_EQ(got[2], "2,1,0,1,0,2,1,1,1,1,1,1,1");
    EXPECT_EQ(got[3], "1,1,1,1,0,2,1,1,1,1,1,1,1");
    EXPECT_EQ(r.out.find('\r'), std::string::npos);
}

TEST_F(Cli, ExpandRefusesAPatternOfAnotherShape) {
    const Outcome r = run({"expand", Multi, "10099001"});
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.out, "");
}

TEST_F(Cli, ReportOfAPlainMultiAndOfAnUnknownId) {
    Outcome r = run({"report", "20199001"});
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.out, "通常マルチです\n");
    r = run({"report", "20199001", "3"});
    EXPECT_EQ(r.out, "通常マルチです\n");
    r = run({"report", "123"});
    EXPECT_EQ(r.code, 1);
}

}  // namespace
}  // namespace brenvik
