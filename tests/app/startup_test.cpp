#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/basIniFile.h"
#include "app/basMain.h"
#include "support/Recorders.h"

namespace brenvik {
namespace {

// Records the order of the steps the start-up hands to the layers above.
class RecordingSteps final : public basMain::StartupSteps {
public:
    void showFatal(const std::string& text) override { log.push_back("fatal:" + text); }
    void createTeamNames() override { log.push_back("teams"); }
    void loadSiteSettings() override { log.push_back("site"); }
    void createToto() override { log.push_back("toto"); }
    void showLoadingWindow() override { log.push_back("loading"); }
    bool loadPatternLibrary() override {
        log.push_back("library");
        return libraryOk;
    }
    void closeLoadingWindow() override { log.push_back("close-loading"); }
    void showMainWindow() override { log.push_back("main"); }
    std::vector<std::string> log;
    bool libraryOk = true;
};

const char* const RequiredFiles[] = {"TeamName.dat", "TeamName1.dat", "TeamName2.dat",
                                     "J1J2.dat", "Qel.dat"};

void writeRequired(const test::TempProgramFolder& dir, const std::string& except = "") {
    for (const char* f : RequiredFiles)
        if (except != f) dir.write(std::string("SysData/") + f, "; x\r\n");
}

TEST(Startup, MissingSysDataShowsItsMessageAndCreatesNothing) {
    test::TempProgramFolder dir;
    RecordingSteps steps;
    EXPECT_FALSE(basMain::Startup(steps));
    EXPECT_EQ(steps.log, std::vector<std::string>{"fatal:システムデータフォルダ(SysData)が見つかりません"});
    EXPECT_FALSE(dir.exists("SysData"));
    EXPECT_FALSE(dir.exists("ExData"));
    EXPECT_FALSE(dir.exists("UserData"));
}

TEST(Startup, EachMissingFileShowsOnlyItsOwnMessage) {
    for (const char* missing : RequiredFiles) {
        SCOPED_TRACE(missing);
        test::TempProgramFolder dir;
        writeRequired(dir, missing);
        RecordingSteps steps;
        EXPECT_FALSE(basMain::Startup(steps));
        ASSERT_EQ(steps.log.size(), 1u);
        EXPECT_EQ(steps.log[0], std::string("fatal:データファイル(") + missing + ")が見つかりません");
        EXPECT_FALSE(dir.exists("SysData/Temp"));
        EXPECT_FALSE(dir.exists("SysData/Brenvik.ini"));
    }
}

TEST(Startup, RunsTheStepsInOrderWithoutTheOptionalUserTable) {
    test::TempProgramFolder dir;
    writeRequired(dir);
    RecordingSteps steps;
    EXPECT_TRUE(basMain::Startup(steps));
    EXPECT_EQ(steps.log, (std::vector<std::string>{"teams", "site", "toto", "loading", "library",
                                                   "main", "close-loading"}));
    EXPECT_TRUE(dir.exists("SysData/Temp"));
    EXPECT_TRUE(dir.exists("ExData"));
}

TEST(Startup, BrokenLibraryClosesTheLoadingWindowAndEnds) {
    test::TempProgramFolder dir;
    writeRequired(dir);
    RecordingSteps steps;
    steps.libraryOk = false;
    EXPECT_FALSE(basMain::Startup(steps));
    EXPECT_EQ(steps.log.back(), "close-loading");
    EXPECT_EQ(std::count(steps.log.begin(), steps.log.end(), "main"), 0);
    EXPECT_FALSE(dir.exists("ExData"));
}

TEST(Startup, WithoutSettingsFileTheUserFilesMoveIntoTheirFolder) {
    test::TempProgramFolder dir;
    writeRequired(dir);
    dir.write("UserData/a.kvr", "A");
    dir.write("UserData/QelPrint.csv", "old");
    dir.write("UserData/QelData.qel", "old");
    dir.write("UserData/Brenvik/b.csv", "kept");
    dir.write("UserData/b.csv", "newer");
    RecordingSteps steps;
    ASSERT_TRUE(basMain::Startup(steps));
    EXPECT_EQ(dir.read("UserData/Brenvik/a.kvr"), "A");
    EXPECT_FALSE(dir.exists("UserData/a.kvr"));
    EXPECT_FALSE(dir.exists("UserData/QelPrint.csv"));
    EXPECT_FALSE(dir.exists("UserData/Brenvik/QelPrint.csv"));
    EXPECT_FALSE(dir.exists("UserData/QelData.qel"));
    // Never overwritten: the file already in the user folder stays, the other stays put.
    EXPECT_EQ(dir.read("UserData/Brenvik/b.csv"), "kept");
    EXPECT_EQ(dir.read("UserData/b.csv"), "newer");
}

TEST(Startup, SettingsFileWithAVersionLeavesUserDataAlone) {
    test::TempProgramFolder dir;
    writeRequired(dir);
    dir.write("SysData/Brenvik.ini", "Version = 1.0\r\n");
    dir.write("UserData/a.kvr", "A");
    RecordingSteps steps;
    ASSERT_TRUE(basMain::Startup(steps));
    EXPECT_TRUE(dir.exists("UserData/a.kvr"));
    EXPECT_FALSE(dir.exists("UserData/Brenvik"));
}

TEST(CleanTempResults, DeletesOnlyWhatTheCacheMakesUnneeded) {
    test::TempProgramFolder dir;
    const struct {
        const char* file;
        bool deleted;
    } cases[] = {
        {"Brenvik_Result_1234.dat", true},   // toto_result_1234.xml cached
        {"Brenvik_Result_012.dat", true},    // 22 characters: three-digit round
        {"Brenvik_Result_0999.dat", false},  // no cache for it
        {"Brenvik_Result_12.dat", false},    // other length: left alone
        {"result_001.dat", true},            // downloaded page: always
        {"result_7.dat", true},
        {"result_1234.dat", false},          // more than three characters
        {"other.dat", false},
    };
    dir.write("SysData/toto_Result/toto_result_1234.xml", "x");
    dir.write("SysData/toto_Result/toto_result_012.xml", "x");
    dir.write("SysData/toto_Result/toto_result_12.xml", "x");
    for (const auto& c : cases) dir.write(std::string("SysData/Temp/") + c.file, "x");
    basMain::CleanTempResults();
    for (const auto& c : cases)
        EXPECT_EQ(!dir.exists(std::string("SysData/Temp/") + c.file), c.deleted) << c.file;
}

}  // namespace
}  // namespace brenvik
