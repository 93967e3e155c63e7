#include <gtest/gtest.h>

#include "app/Cp932.h"
#include "official/clsSchedule.h"
#include "official/clsXmlSchedule.h"
#include "support/Recorders.h"

namespace brenvik {
namespace {

class NotHeld : public ::testing::Test {
  protected:
    NotHeld() { store.Initialize(nullptr); }
    test::MessageRecorder boxes;
    test::TempProgramFolder folder;
    clsSchedule store;
};

TEST_F(NotHeld, MarkIsAskedForWrittenOnceAndRemovedOnRequest) {
    boxes.answer(false);
    EXPECT_FALSE(store.XmlSave_NoGame(5, ""));
    EXPECT_FALSE(store.CheckScheduleFile(5, ""));
    boxes.answer(true);
    EXPECT_TRUE(store.XmlSave_NoGame(5, ""));
    ASSERT_EQ(boxes.boxes.size(), 2u);
    EXPECT_TRUE(boxes.boxes[1].question);
    EXPECT_EQ(boxes.boxes[1].title, "Brenvik");
    EXPECT_EQ(boxes.boxes[1].text, "第 5 回を未開催に設定しますか？");
    EXPECT_EQ(folder.read("SysData/toto_Schedule/toto_schedule_005.xml"),
              cp932::fromUtf8(clsXmlSchedule::NoGameXmlString(5)));

    // A round with a file is not asked about again.
    EXPECT_FALSE(store.XmlSave_NoGame(5, ""));
    EXPECT_EQ(boxes.boxes.size(), 2u);

    EXPECT_FALSE(store.GetSchedule(5, "", 1, false));
    EXPECT_TRUE(store.NoGame());
    EXPECT_EQ(store.Schedule().Kaisaikai, 5);
    EXPECT_EQ(store.Schedule().HoldState, 1);

    boxes.answer(true);
    EXPECT_TRUE(store.XmlDelete_NoGame(5, ""));
    EXPECT_EQ(boxes.boxes.back().text, "第 5 回の未開催を解除しますか？");
    EXPECT_FALSE(store.CheckScheduleFile(5, ""));
    EXPECT_FALSE(store.XmlDelete_NoGame(5, ""));
    EXPECT_EQ(boxes.boxes.size(), 3u);
}

TEST_F(NotHeld, RemovingDeletesWhateverTheFileHolds) {
    folder.write("SysData/toto_Schedule/toto_schedule_006.xml", "anything");
    boxes.answer(true);
    EXPECT_TRUE(store.XmlDelete_NoGame(6, ""));
    EXPECT_FALSE(folder.exists("SysData/toto_Schedule/toto_schedule_006.xml"));
}

TEST_F(NotHeld, CachedRoundNumbersAscendFromThreeAndFourDigitNames) {
    for (const char* name : {"toto_schedule_1234.xml", "toto_schedule_007.xml",
                             "toto_schedule_120.xml", "toto_schedule_abc.xml", "other_008.xml"})
        folder.write(std::string("SysData/toto_Schedule/") + name, "");
    std::vector<int32_t> rounds;
    EXPECT_EQ(store.GetScheduleNo(rounds), 3);
    EXPECT_EQ(rounds, (std::vector<int32_t>{7, 120, 1234}));
    EXPECT_TRUE(boxes.boxes.empty());
}

}  // namespace
}  // namespace brenvik
