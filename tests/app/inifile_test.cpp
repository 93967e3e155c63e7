#include <gtest/gtest.h>

#include <filesystem>

#include "app/clsIniFile.h"
#include "support/Recorders.h"

namespace brenvik {
namespace {

using Pairs = std::vector<std::pair<std::string, std::string>>;

TEST(clsIniFile, ReadsNamesAndValuesByItsRules) {
    clsIniFile ini;
    ini.InitializeFromText(
        "  Version = 12  \r\n"
        "// a comment\r\n"
        "  ; another\r\n"
        "\r\n"
        "NoValue =\r\n"
        "= NoName\r\n"
        "Bare line\r\n"
        "A = B = C\r\n"
        "Version = 13\r\n"
        "鹿島 = カシマ\r\n"
        "Tab\t=\tx\t\r\n"
        "Last=1");
    EXPECT_TRUE(ini.Enabled());
    EXPECT_EQ(ini.Pairs(), (Pairs{{"Version", "12"},
                                  {"A", "B = C"},
                                  {"Version", "13"},
                                  {"鹿島", "カシマ"},
                                  {"Tab\t", "\tx\t"},  // only blanks are trimmed
                                  {"Last", "1"}}));
    EXPECT_EQ(ini.GetItem("version", "0"), "12");  // first match, any letter case
    EXPECT_EQ(ini.GetItem("NoValue", "dflt"), "dflt");
    EXPECT_EQ(ini.GetItem("", "dflt"), "dflt");
    EXPECT_TRUE(ini.ItemExists("VERSION"));
    EXPECT_FALSE(ini.ItemExists("NoName"));
    EXPECT_TRUE(ini.KeyExists("b = c"));
    EXPECT_EQ(ini.GetKey("カシマ"), "鹿島");
    EXPECT_EQ(ini.GetKey("none"), "");
}

TEST(clsIniFile, OnlyCrLfEndsALine) {
    test::TempProgramFolder home;
    home.write("SysData/lf.ini", "A = 1\nB = 2\rC = 3\n");
    clsIniFile ini;
    ini.Initialize("SysData/lf.ini");
    ASSERT_TRUE(ini.Enabled());
    EXPECT_EQ(ini.Pairs(), (Pairs{{"A", "1\nB = 2\rC = 3\n"}}));
    EXPECT_FALSE(ini.ItemExists("B"));
}

TEST(clsIniFile, FileIsCp932AndCutAtTheFirstNul) {
    test::TempProgramFolder home;
    static const char bytes[] = "\x8E\xAD\x93\x87 = \x83\x4A\x83\x56\x83\x7D\r\nx\0 = 1\r\nY = 2";
    home.write("SysData/t.dat", std::string(bytes, sizeof bytes - 1));
    clsIniFile ini;
    ini.Initialize(home.str() + "/SysData/t.dat");
    EXPECT_EQ(ini.FileName(), home.str() + "/SysData/t.dat");
    EXPECT_EQ(ini.Pairs(), (Pairs{{"鹿島", "カシマ"}}));
}

TEST(clsIniFile, UseBeforeASuccessfulLoadReportsInitializeErr) {
    test::TempProgramFolder home;
    test::MessageRecorder rec;
    clsIniFile ini;
    ini.Initialize("SysData/missing.ini");  // missing: silent
    EXPECT_TRUE(rec.boxes.empty());
    EXPECT_FALSE(ini.Enabled());
    EXPECT_FALSE(ini.ItemExists("A"));
    EXPECT_EQ(ini.GetItem("A", "dflt"), "");  // empty, not the default
    EXPECT_FALSE(ini.KeyExists("1"));
    EXPECT_EQ(ini.GetKey("1"), "");
    ASSERT_EQ(rec.boxes.size(), 4u);
    const char* procs[] = {"ItemExists", "GetItem", "KeyExists", "GetKey"};
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(rec.boxes[i].icon, MessageIcon::Warning);
        EXPECT_EQ(rec.boxes[i].title, std::string("Brenvik / clsIniFile / ") + procs[i]);
        EXPECT_EQ(rec.boxes[i].text, "Initialize Err");
    }
}

TEST(clsIniFile, UnreadableFileShowsTheReadersErrorAndStaysDisabled) {
    test::TempProgramFolder home;
    std::filesystem::create_directories(home.path() / "SysData/folder.ini");
    test::MessageRecorder rec;
    clsIniFile ini;
    ini.InitializeFromText("A = 1");
    ini.Initialize("SysData/folder.ini");
    EXPECT_FALSE(ini.Enabled());
    EXPECT_TRUE(ini.Pairs().empty());  // nothing of an earlier load is left
    ASSERT_EQ(rec.boxes.size(), 1u);
    EXPECT_EQ(rec.boxes[0].icon, MessageIcon::Error);
    EXPECT_EQ(rec.boxes[0].title, "Brenvik / clsFileStream / LoadFromFile");
    EXPECT_EQ(rec.boxes[0].text, "パス名が無効です。 ( 75 )");
}

}  // namespace
}  // namespace brenvik
