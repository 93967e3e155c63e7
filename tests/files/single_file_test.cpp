#include <gtest/gtest.h>

#include "FilesSupport.h"
#include "files/clsFileSingle.h"
#include "support/Recorders.h"

namespace brenvik {
namespace {

using test::singleOf;

TEST(clsFileSingle, ReadsSinglesSkippingCommentsAndEmptyLines) {
    test::MessageRecorder boxes;
    clsFileSingle file;
    ASSERT_TRUE(file.LoadCsvData(test::fixturePath("singles.csv")));
    EXPECT_EQ(file.Count(), 2);
    const std::vector<SingleRecord> expected = {singleOf("1021102210120"),
                                                singleOf("2222222222222")};
    EXPECT_EQ(file.Singles(), expected);  // PatternDecided all false
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST(clsFileSingle, ReadingRules) {
    struct {
        const char* name;
        std::string text;
        std::vector<std::string> singles;
    } const cases[] = {
        {"an empty file", "", {}},
        {"blank lines and LF ends", "   \n0,0,0,0,0,0,0,0,0,0,0,0,1\n", {"0000000000001"}},
        {"no end on the last line", "1,1,1,1,1,1,1,1,1,1,1,1,1", {"1111111111111"}},
        {"classic numbers: blanks around", " 1 ,0,2,1,1,0,2,2,1,0,1,2,0", {"1021102210120"}},
    };
    for (const auto& c : cases) {
        test::MessageRecorder boxes;
        clsFileSingle file;
        EXPECT_TRUE(file.LoadCsvText(c.text, "x.csv")) << c.name;
        std::vector<SingleRecord> expected;
        for (const auto& s : c.singles) expected.push_back(singleOf(s));
        EXPECT_EQ(file.Singles(), expected) << c.name;
        EXPECT_EQ(file.Count(), static_cast<int32_t>(expected.size())) << c.name;
        EXPECT_TRUE(boxes.boxes.empty()) << c.name;
    }
}

TEST(clsFileSingle, BadLinesFailTheWholeLoad) {
    const std::string good = "1,0,2,1,1,0,2,2,1,0,1,2,0\r\n";
    for (const char* line : {"1,0,2,1,1,0,2,2,1,0,1,2",     // 12 fields
                             "1,0,2,1,1,0,2,2,1,0,1,2,0,",  // a trailing "," makes 14
                             "1,0,2,1,1,0,2,2,1,0,1,2,x",   // no number
                             "1,0,2,1,1,0,2,2,1,0,1,,0",    // an empty field
                             "5,0,2,1,1,0,2,2,1,0,1,2,0",   // not an outcome
                             "-1,0,2,1,1,0,2,2,1,0,1,2,0", "1,0,2,1,1,0,2,2,1,0,1,2,256"}) {
        test::MessageRecorder boxes;
        clsFileSingle file;
        EXPECT_FALSE(file.LoadCsvText(good + line + "\r\n" + good, "/u/s.csv")) << line;
        EXPECT_EQ(file.Count(), 0) << line;
        EXPECT_TRUE(file.Singles().empty()) << line;
        ASSERT_EQ(boxes.boxes.size(), 1u) << line;
        EXPECT_EQ(boxes.boxes[0].title, "Brenvik / clsFileSingle / LoadCsvData");
        EXPECT_EQ(boxes.boxes[0].text, "ファイルの読込に失敗しました。\r\n/u/s.csv");
    }
}

TEST(clsFileSingle, AMissingFileKeepsTheCount) {
    test::TempProgramFolder dir;
    dir.write("a.csv", "1,0,2,1,1,0,2,2,1,0,1,2,0\r\n");
    clsFileSingle file;
    ASSERT_TRUE(file.LoadCsvData((dir.path() / "a.csv").string()));
    EXPECT_TRUE(file.LoadCsvData((dir.path() / "absent.csv").string()));
    EXPECT_EQ(file.Count(), 1);
}

TEST(clsFileSingle, SavesOneLinePerSingleAndReplacesSafely) {
    test::TempProgramFolder dir;
    test::MessageRecorder boxes;
    const std::vector<SingleRecord> singles = {singleOf("1021102210120"), singleOf("2222222222222"),
                                               singleOf("0000000000000")};
    const std::string path = (dir.path() / "out.csv").string();
    clsFileSingle file;
    ASSERT_TRUE(file.SinglesSave(path, false, singles, 2));
    EXPECT_EQ(test::readBytes(path), "1,0,2,1,1,0,2,2,1,0,1,2,0\r\n2,2,2,2,2,2,2,2,2,2,2,2,2\r\n");
    ASSERT_TRUE(file.SinglesSave(path, false, singles, 0));
    EXPECT_EQ(test::readBytes(path), "");  // no single: an empty file

    // A failed save reports and leaves the previous file alone.
    ASSERT_TRUE(file.SinglesSave(path, false, singles, 3));
    const std::string before = test::readBytes(path);
    EXPECT_FALSE(file.SinglesSave((dir.path() / "nofolder/out.csv").string(), false, singles, 1));
    EXPECT_FALSE(file.SinglesSave(path, false, singles, 4));  // more than there are
    EXPECT_EQ(test::readBytes(path), before);
    ASSERT_EQ(boxes.boxes.size(), 2u);
    EXPECT_EQ(boxes.boxes[0].title, "Brenvik / clsFileSingle / SinglesSave");
    EXPECT_EQ(boxes.boxes[0].text,
              "ファイル保存に失敗しました。\r\n" + (dir.path() / "nofolder/out.csv").string());
    EXPECT_EQ(boxes.boxes[1].text, "ファイル保存に失敗しました。\r\n" + path);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1)
        << "no temporary file is left";
}

TEST(clsFileSingle, SavedSinglesReadBack) {
    test::TempProgramFolder dir;
    std::vector<SingleRecord> singles;
    for (int i = 0; i < 50; ++i) {
        std::string d;
        for (int m = 0; m < 13; ++m) d += static_cast<char>('0' + (i + m * 7) % 3);
        singles.push_back(singleOf(d));
    }
    clsFileSingle out, in;
    ASSERT_TRUE(out.SinglesSave("r.csv", false, singles, 50));
    ASSERT_TRUE(in.LoadCsvData("r.csv"));
    EXPECT_EQ(in.Singles(), singles);
}

}  // namespace
}  // namespace brenvik
