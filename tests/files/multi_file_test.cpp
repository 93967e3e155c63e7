#include <gtest/gtest.h>

#include "FilesSupport.h"
#include "files/clsFileMulti.h"
#include "support/Recorders.h"

namespace brenvik {
namespace {

using test::marksOf;

TEST(clsFileMulti, ReadsTheProgramsFile) {
    test::MessageRecorder boxes;
    clsFileMulti file;
    ASSERT_TRUE(file.LoadMultiData(test::fixturePath("prediction.qel")));
    const FileMultiData d = file.Data();
    EXPECT_EQ(d.GameNo, 1201);
    EXPECT_EQ(d.Marks, marksOf("120,002,123,200,020,002,200,020,002,200,020,002,210"));
    EXPECT_EQ(d.PatternID, 20199001);
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST(clsFileMulti, ReadingRules) {
    const std::string none = "000,000,000,000,000,000,000,000,000,000,000,000,000";
    struct {
        const char* name;
        std::string text;
        int32_t gameNo;
        std::string marks;
        int32_t patternID;
    } const cases[] = {
        {"only a round", "GameNo = 123\r\n", 123, none, 0},
        {"digits go to outcomes 1, 0, 2", "Multi05 = 102", 0,
         "000,000,000,000,102,000,000,000,000,000,000,000,000", 0},
        {"two or four characters are ignored", "Multi05 = 10\r\nMulti05 = 1020\r\n", 0, none, 0},
        {"blanks around the value are trimmed", "Multi05 =   102   \r\n", 0,
         "000,000,000,000,102,000,000,000,000,000,000,000,000", 0},
        {"keys are exact", "multi05 = 111\r\nMulti14 = 111\r\nMulti5 = 111\r\ngameno = 9\r\n", 0,
         none, 0},
        {"the later line decides", "Multi03 = 111\r\nMulti03 = 023\r\n", 0,
         "000,000,023,000,000,000,000,000,000,000,000,000,000", 0},
        {"no header needed, comments and junk skipped",
         "GameNo = 7\r\n;GameNo = 8\r\n\r\n   \r\nno equals sign\r\nPatternID = 42", 7, none, 42},
        {"LF and CR line ends", "GameNo = 5\nPatternID = 6\rMulti13 = 300\n", 5,
         "000,000,000,000,000,000,000,000,000,000,000,000,300", 6},
        {"an empty file", "", 0, none, 0},
    };
    for (const auto& c : cases) {
        test::MessageRecorder boxes;
        clsFileMulti file;
        EXPECT_TRUE(file.LoadMultiText(c.text, "x.qel")) << c.name;
        EXPECT_EQ(file.Data().GameNo, c.gameNo) << c.name;
        EXPECT_EQ(file.Data().Marks, marksOf(c.marks)) << c.name;
        EXPECT_EQ(file.Data().PatternID, c.patternID) << c.name;
        EXPECT_TRUE(boxes.boxes.empty()) << c.name;
    }
}

TEST(clsFileMulti, BadValuesFailTheWholeRead) {
    for (const char* text : {"GameNo = abc", "PatternID = 1x", "Multi01 = 1x0", "Multi01 = 1 0",
                             "GameNo = 99999999999",
                             // a state the multi does not know
                             "Multi01 = 104", "Multi13 = 900"}) {
        test::MessageRecorder boxes;
        clsFileMulti file;
        EXPECT_FALSE(file.LoadMultiText(std::string("GameNo = 3\r\n") + text, "/u/p.qel")) << text;
        ASSERT_EQ(boxes.boxes.size(), 1u) << text;
        EXPECT_EQ(boxes.boxes[0].icon, MessageIcon::Warning);
        EXPECT_EQ(boxes.boxes[0].title, "Brenvik / clsFileMulti / LoadMultiData");
        EXPECT_EQ(boxes.boxes[0].text, "ファイルの読込に失敗しました。\r\n/u/p.qel");
        EXPECT_EQ(file.Data(), FileMultiData{}) << text;
    }
}

TEST(clsFileMulti, AMissingFileLoadsNothingAndSucceeds) {
    test::TempProgramFolder dir;
    test::MessageRecorder boxes;
    clsFileMulti file;
    EXPECT_TRUE(file.LoadMultiData((dir.path() / "absent.qel").string()));
    EXPECT_EQ(file.Data(), FileMultiData{});
    EXPECT_TRUE(boxes.boxes.empty());

    // A file that cannot be read is the read error.
    dir.write("locked.qel", "GameNo = 1\r\n");
    std::filesystem::permissions(dir.path() / "locked.qel", std::filesystem::perms::none);
    if (!clsFileMulti().LoadMultiData((dir.path() / "locked.qel").string())) {
        ASSERT_EQ(boxes.boxes.size(), 1u);
        EXPECT_EQ(boxes.boxes[0].text,
                  "ファイルの読込に失敗しました。\r\n" + (dir.path() / "locked.qel").string());
    }  // (root reads it anyway)
}

TEST(clsFileMulti, ReadsCp932) {
    test::TempProgramFolder dir;
    // A Japanese comment and a relative name, joined to the program folder.
    dir.write("UserData/a.qel", cp932::fromUtf8(";予想\r\nGameNo = 12\r\n"));
    clsFileMulti file;
    EXPECT_TRUE(file.LoadMultiData("UserData/a.qel"));
    EXPECT_EQ(file.Data().GameNo, 12);
}

}  // namespace
}  // namespace brenvik
