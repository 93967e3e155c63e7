#include <gtest/gtest.h>

#include <filesystem>

#include "FileSizeLimit.h"
#include "app/clsFileStream.h"
#include "support/Recorders.h"

namespace brenvik {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> namesIn(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(folder)) names.push_back(e.path().filename());
    std::sort(names.begin(), names.end());
    return names;
}

TEST(clsFileStream, TextIsCp932OnDiskAndUtf8InMemory) {
    test::TempProgramFolder home;
    test::MessageRecorder rec;
    clsFileStream fs;
    ASSERT_TRUE(fs.SaveToFile("UserData/Brenvik/new/a.txt", "本命\r\n①～"));  // folders made
    EXPECT_EQ(home.read("UserData/Brenvik/new/a.txt"), "\x96\x7B\x96\xBD\r\n\x87\x40\x81\x60");
    std::string text;
    ASSERT_TRUE(fs.LoadFromFile(home.str() + "/UserData/Brenvik/new/a.txt", text));
    EXPECT_EQ(text, "本命\r\n①～");

    ASSERT_TRUE(fs.SaveToBinaryFile("b.bin", std::string("\0\xFF\r\n", 4)));
    EXPECT_EQ(home.read("b.bin"), std::string("\0\xFF\r\n", 4));
    std::string bytes;
    ASSERT_TRUE(fs.LoadBytes("b.bin", bytes));
    EXPECT_EQ(bytes, std::string("\0\xFF\r\n", 4));
    EXPECT_EQ(namesIn(home.path()), (std::vector<std::string>{"UserData", "b.bin"}));
    EXPECT_TRUE(rec.boxes.empty());
}

TEST(clsFileStream, LoadCutsTheTextAtTheFirstNul) {
    test::TempProgramFolder home;
    home.write("a.txt", std::string("abc\0def", 7));
    clsFileStream fs;
    std::string text = "old";
    ASSERT_TRUE(fs.LoadFromFile("a.txt", text));
    EXPECT_EQ(text, "abc");
}

TEST(clsFileStream, MissingFileIsReportedOnlyWithErrMessage) {
    test::TempProgramFolder home;
    test::MessageRecorder rec;
    clsFileStream fs;
    std::string text = "kept";
    EXPECT_FALSE(fs.LoadFromFile("SysData/none.dat", text));
    EXPECT_EQ(text, "kept");
    ASSERT_EQ(rec.boxes.size(), 1u);
    EXPECT_EQ(rec.boxes[0].icon, MessageIcon::Warning);
    EXPECT_EQ(rec.boxes[0].title, "Brenvik / clsFileStream / LoadFromFile");
    EXPECT_EQ(rec.boxes[0].text, "ファイルが存在しません。\r\n" + home.str() + "/SysData/none.dat");

    fs.ErrMessage(false);
    EXPECT_FALSE(fs.LoadFromFile("SysData/none.dat", text));
    EXPECT_EQ(rec.boxes.size(), 1u);
}

TEST(clsFileStream, ReadingAFolderIsARunTimeError) {
    test::TempProgramFolder home;
    fs::create_directories(home.path() / "SysData/x.dat");
    test::MessageRecorder rec;
    clsFileStream fs;
    fs.ErrMessage(false);  // only the missing-file message is switched off
    std::string text;
    EXPECT_FALSE(fs.LoadFromFile("SysData/x.dat", text));
    ASSERT_EQ(rec.boxes.size(), 1u);
    EXPECT_EQ(rec.boxes[0].icon, MessageIcon::Error);
    EXPECT_EQ(rec.boxes[0].text, "パス名が無効です。 ( 75 )");
}

TEST(clsFileStream, FailedWriteLeavesTheOldFileIntact) {
    test::TempProgramFolder home;
    const std::string old = "old content\r\n";
    home.write("SysData/a.txt", old);
    test::MessageRecorder rec;
    clsFileStream fs;
    {
        test::FileSizeLimit limit(4096);
        EXPECT_FALSE(fs.SaveToFile("SysData/a.txt", std::string(100000, 'x')));
        EXPECT_FALSE(fs.SaveToBinaryFile("SysData/a.txt", std::string(100000, 'y')));
    }
    EXPECT_EQ(home.read("SysData/a.txt"), old);
    EXPECT_EQ(namesIn(home.path() / "SysData"), std::vector<std::string>{"a.txt"});  // no leftovers
    ASSERT_EQ(rec.boxes.size(), 2u);
    EXPECT_EQ(rec.boxes[0].icon, MessageIcon::Error);
    EXPECT_EQ(rec.boxes[0].title, "Brenvik / clsFileStream / SaveToFile");
    EXPECT_EQ(rec.boxes[0].text, "デバイス I/O エラーです。 ( 57 )");
    EXPECT_EQ(rec.boxes[1].title, "Brenvik / clsFileStream / SaveToBinaryFile");
}

TEST(clsFileStream, SaveOntoAFolderFailsAndKeepsIt) {
    test::TempProgramFolder home;
    home.write("SysData/a.txt/inner", "keep");
    home.write("file", "x");
    test::MessageRecorder rec;
    clsFileStream fs;
    EXPECT_FALSE(fs.SaveToFile("SysData/a.txt", "new"));
    EXPECT_EQ(home.read("SysData/a.txt/inner"), "keep");
    ASSERT_EQ(rec.boxes.size(), 1u);
    EXPECT_EQ(rec.boxes[0].text, "パス名が無効です。 ( 75 )");
    EXPECT_EQ(namesIn(home.path() / "SysData"), std::vector<std::string>{"a.txt"});

    // A folder that cannot be made fails without a message.
    EXPECT_FALSE(fs.SaveToFile("file/sub/a.txt", "new"));
    EXPECT_EQ(rec.boxes.size(), 1u);
}

}  // namespace
}  // namespace brenvik
