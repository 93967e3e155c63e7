#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "FileSizeLimit.h"
#include "app/AppInfo.h"
#include "app/basIniFile.h"
#include "support/Recorders.h"

namespace brenvik {
namespace {

namespace ini = basIniFile;

std::string readFixture(const std::string& name) {
    std::ifstream f(std::string(BRENVIK_TEST_DATA_DIR) + "/app/" + name, std::ios::binary);
    std::ostringstream s;
    s << f.rdbuf();
    return s.str();
}

// Every test starts from the defaults, as start-up leaves them before the file is read.
class Settings : public ::testing::Test {
  protected:
    void SetUp() override {
        ini::values() = brenvik::Settings{};
        ASSERT_TRUE(ini::MemoryInitialize());
    }
    brenvik::Settings& s = ini::values();
    test::TempProgramFolder home;
    test::MessageRecorder rec;
};

TEST_F(Settings, DefaultsComeFromTheTable) {
    EXPECT_EQ(s.Version, Currency());
    EXPECT_EQ(s.AppViewType, 2);
    EXPECT_FALSE(s.AppTopWindow);
    EXPECT_TRUE(s.AppVoteGraph);
    EXPECT_FALSE(s.AppVoteGraphText);
    const std::pair<uint8_t brenvik::Settings::*, int> bytes[] = {
        {&brenvik::Settings::CopyHeader, 1},
        {&brenvik::Settings::CopyMoney, 1},
        {&brenvik::Settings::CopyGameNo, 1},
        {&brenvik::Settings::CopyGameData, 1},
        {&brenvik::Settings::CopyMulti, 1},
        {&brenvik::Settings::CopyFavorite, 1},
        {&brenvik::Settings::CopyFrontRearBracket, 1},
        {&brenvik::Settings::CopyMultiFavorite, 0},
        {&brenvik::Settings::CopyMark, 1},
        {&brenvik::Settings::CopySingleList, 1},
        {&brenvik::Settings::MarkLeft, 0},
        {&brenvik::Settings::NetConnectionDialog, 1},
    };
    for (const auto& [member, value] : bytes) EXPECT_EQ(s.*member, value);
    EXPECT_EQ(s.WindowMoney, "");

    // The options dialog's captions sit on exactly the twelve byte keys.
    int captions = 0;
    for (const auto& k : ini::Keys())
        if (k.optionCaption) {
            ++captions;
            EXPECT_EQ(k.type, ini::KeyType::Byte) << k.name;
        }
    EXPECT_EQ(captions, 12);
    EXPECT_STREQ(ini::Keys()[11].optionCaption, "前後の[ ]を表示");
    EXPECT_STREQ(ini::Keys()[16].optionCaption, "インターネット接続時に警告する");
}

TEST_F(Settings, MissingFileKeepsTheDefaults) {
    EXPECT_TRUE(ini::LoadIniData());
    EXPECT_EQ(s.AppViewType, 2);
    std::filesystem::create_directories(home.path() / "SysData/Brenvik.ini");  // a folder
    EXPECT_TRUE(ini::LoadIniData());
    EXPECT_TRUE(rec.boxes.empty());
}

TEST_F(Settings, WritesTheExactLayout) {
    s.AppViewType = 3;
    s.AppTopWindow = true;
    s.CopyMoney = 0;
    s.WindowMoneyColumn = "60,45,300";
    s.Version = Currency::parse("0.5");  // the file holds the writing program's version
    home.write("SysData/Brenvik.ini", "an old file that is much longer than the new one ...");
    ASSERT_TRUE(ini::SaveIniFile());
    EXPECT_EQ(home.read("SysData/Brenvik.ini"), readFixture("Brenvik.ini"));
    EXPECT_EQ(ini::IniFileText(), readFixture("Brenvik.ini"));
    EXPECT_EQ(ini::IniFilePath(), home.str() + "/SysData/Brenvik.ini");
    EXPECT_TRUE(rec.boxes.empty());
}

TEST_F(Settings, WrittenFileReadsBackTheSameValues) {
    s.AppViewType = -7;
    s.AppVoteGraph = false;
    s.CopyMultiFavorite = 255;
    s.MarkLeft = 1;
    s.WindowMoney = "120,240,9000,6000";
    s.WindowMoneyColumn = "見出し";  // texts go through CP932
    const brenvik::Settings saved = s;
    std::filesystem::create_directories(home.path() / "SysData");
    ASSERT_TRUE(ini::SaveIniFile());
    s = brenvik::Settings{};
    ini::MemoryInitialize();
    ASSERT_TRUE(ini::LoadIniData());
    EXPECT_EQ(s.Version, Currency::fromInteger(app::VersionMajor) +
                             Currency::parse("0." + std::to_string(app::VersionMinor)));
    EXPECT_EQ(s.AppViewType, saved.AppViewType);
    EXPECT_EQ(s.AppVoteGraph, saved.AppVoteGraph);
    EXPECT_EQ(s.CopyMultiFavorite, saved.CopyMultiFavorite);
    EXPECT_EQ(s.MarkLeft, saved.MarkLeft);
    EXPECT_EQ(s.WindowMoney, saved.WindowMoney);
    EXPECT_EQ(s.WindowMoneyColumn, saved.WindowMoneyColumn);
}

TEST_F(Settings, ReadingRules) {
    home.write("SysData/Brenvik.ini",
               ";[Window]\r\n"
               "WindowMoney = \r\n"
               "  AppViewType=3\n"    // blanks before, none around "=", LF alone
               " ;CopyMoney = 0\r\n"  // not a comment, but no key either
               "appviewtype = 1\r"    // letter case differs: ignored; CR alone
               "AppTopWindow = true\r\n"
               "AppVoteGraph = -1\r\n"
               "AppVoteGraphText = 0\r\n"
               "CopyHeader = 0.5\r\n"  // half to even: 0
               "CopyGameNo = 1.5\r\n"  // half to even: 2
               "   \r\n"
               "no equals sign\r\n"
               "MarkLeft = 1\r\n"
               "MarkLeft = 0\r\n"  // the later line wins
               "Version = 1.05\r\n"
               "WindowMoneyColumn =  10,20 \r\n"
               "Unknown = x\r\n"
               ";AppViewType = 1\r\n");
    ASSERT_TRUE(ini::LoadIniData());
    EXPECT_EQ(s.AppViewType, 3);
    EXPECT_EQ(s.CopyMoney, 1);
    EXPECT_TRUE(s.AppTopWindow);
    EXPECT_TRUE(s.AppVoteGraph);
    EXPECT_FALSE(s.AppVoteGraphText);
    EXPECT_EQ(s.CopyHeader, 0);
    EXPECT_EQ(s.CopyGameNo, 2);
    EXPECT_EQ(s.MarkLeft, 0);
    EXPECT_EQ(s.Version, Currency::parse("1.05"));
    EXPECT_EQ(s.WindowMoney, "");
    EXPECT_EQ(s.WindowMoneyColumn, "10,20");
    EXPECT_TRUE(rec.boxes.empty());
}

TEST_F(Settings, BadValueStopsReadingAndKeepsWhatCameBefore) {
    const char* badValues[] = {"300", "yes", "-1", ""};
    for (const char* bad : badValues) {
        ini::MemoryInitialize();
        rec.boxes.clear();
        home.write("SysData/Brenvik.ini",
                   std::string("AppViewType = 1\r\nCopyHeader = ") + bad + "\r\nCopyMoney = 0\r\n");
        EXPECT_FALSE(ini::LoadIniData()) << bad;
        EXPECT_EQ(s.AppViewType, 1) << bad;
        EXPECT_EQ(s.CopyHeader, 1) << bad;
        EXPECT_EQ(s.CopyMoney, 1) << bad;  // not read
        ASSERT_EQ(rec.boxes.size(), 1u) << bad;
        EXPECT_EQ(rec.boxes[0].icon, MessageIcon::Warning);
        EXPECT_EQ(rec.boxes[0].title, "Brenvik / basIniFile / LoadIniData");
        EXPECT_EQ(rec.boxes[0].text,
                  "ファイルの読込に失敗しました。\r\n" + home.str() + "/SysData/Brenvik.ini");
    }
    EXPECT_TRUE(ini::LoadSettings());  // start-up goes on all the same
    // Out of range for the other types too.
    EXPECT_FALSE(ini::LoadIniText("AppViewType = 2147483648", "p"));
    EXPECT_FALSE(ini::LoadIniText("AppTopWindow = maybe", "p"));
    EXPECT_FALSE(ini::LoadIniText("Version = 1,0", "p"));
}

TEST_F(Settings, AnyBytesAreReadWithoutHarm) {
    std::string bytes;
    for (int i = 0; i < 256; ++i) bytes += static_cast<char>(i);
    home.write("SysData/Brenvik.ini", bytes + "\r\nWindowMoney = \x81\r\nMarkLeft=1");
    EXPECT_TRUE(ini::LoadIniData());
    EXPECT_EQ(s.WindowMoney, "\xEF\xBF\xBD");  // the broken byte as U+FFFD
    EXPECT_EQ(s.MarkLeft, 1);
}

TEST_F(Settings, FailedSaveWarnsAndKeepsTheOldFile) {
    const std::string path = home.str() + "/SysData/Brenvik.ini";
    EXPECT_FALSE(ini::SaveIniFile());  // no SysData folder
    home.write("SysData/Brenvik.ini", "AppViewType = 1\r\n");
    {
        test::FileSizeLimit limit(100);
        EXPECT_FALSE(ini::SaveIniFile());
    }
    EXPECT_EQ(home.read("SysData/Brenvik.ini"), "AppViewType = 1\r\n");
    ASSERT_EQ(rec.boxes.size(), 2u);
    for (const auto& box : rec.boxes) {
        EXPECT_EQ(box.icon, MessageIcon::Warning);
        EXPECT_EQ(box.title, "Brenvik / basIniFile / SaveIniFile");
        EXPECT_EQ(box.text, "ファイルの保存に失敗しました。\r\n" + path);
    }
}

TEST(basIniFile, LongLists) {
    EXPECT_EQ(ini::LongListToString({120, -5, 0, 2147483647}), "120,-5,0,2147483647");
    EXPECT_EQ(ini::LongListToString({}), "");
    EXPECT_EQ(ini::StringToLongList("120,x,,2.5, 7 ,99999999999"),
              (std::vector<int32_t>{120, 0, 0, 2, 7, 0}));
    EXPECT_EQ(ini::StringToLongList(","), (std::vector<int32_t>{0, 0}));
    EXPECT_TRUE(ini::StringToLongList("").empty());
}

}  // namespace
}  // namespace brenvik
