#include <gtest/gtest.h>

#include "app/Cp932.h"
#include "official/clsScheduleList.h"
#include "official/clsXmlSchedule.h"
#include "support/Recorders.h"

namespace brenvik {
namespace {

// A complete schedule of a round with the given sale period.
void cacheRound(int32_t round, DateTime saleStart, DateTime saleEnd) {
    ScheduleRecord r;
    r.Kaisaikai = round;
    for (std::size_t m = 1; m <= 13; ++m)
        r.Matches[m] = {"鹿島",   "浦和", saleEnd.datePart(), DateTime::fromTime(19, 0, 0),
                        "カシマ", "VS"};
    r.SaleStart = saleStart;
    r.SaleEnd = saleEnd;
    r.ResultDate = saleEnd.datePart();
    clsXmlSchedule xml;
    xml.Schedule(r);
    ASSERT_TRUE(xml.XmlSave(xml.GetFileName(round, "")));
}

class RoundList : public ::testing::Test {
  protected:
    RoundList() {
        list.IndexChange = [this](int32_t i) { changes.push_back(i); };
    }
    test::MessageRecorder boxes;
    test::TempProgramFolder folder;
    test::FixedClock clock{DateTime::fromFields(2009, 3, 4, 8, 20, 59)};
    clsScheduleList list;
    std::vector<int32_t> changes;
};

TEST_F(RoundList, EmptyWithoutCachedSchedules) {
    list.Refresh();
    EXPECT_EQ(list.ListCount(), 0);
    EXPECT_EQ(list.NextNo(), 0);
    EXPECT_EQ(list.SelectedIndex(), -1);
    EXPECT_TRUE(changes.empty());
}

TEST_F(RoundList, RowsStatesAndTheChosenRow) {
    cacheRound(360, DateTime::fromDate(2009, 2, 21), DateTime::fromFields(2009, 2, 28, 13, 50, 0));
    // On sale; ends exactly at the present minute (the clock's seconds do not count).
    cacheRound(361, DateTime::fromDate(2009, 2, 28), DateTime::fromFields(2009, 3, 4, 8, 20, 0));
    folder.write("SysData/toto_Schedule/toto_schedule_362.xml",
                 cp932::fromUtf8(clsXmlSchedule::NoGameXmlString(362)));
    cacheRound(363, DateTime::fromFields(2009, 3, 7, 14, 0, 0),
               DateTime::fromFields(2009, 3, 14, 13, 50, 0));
    // Incomplete and not a not-held mark: not listed.
    folder.write("SysData/toto_Schedule/toto_schedule_364.xml",
                 cp932::fromUtf8("<toto><開催><開催回>364</開催回></開催></toto>"));
    list.Refresh();

    const std::vector<ScheduleListRow> expected = {
        {360, clsScheduleList::SaleEnded, "第360回", "2009/02/21(土) ～ 2009/02/28(土) 13:50 ",
         "販売終了"},
        {361, clsScheduleList::OnSale, "第361回", "2009/02/28(土) ～ 2009/03/04(水) 08:20 ",
         "販売締切まで あと 0日 00時間"},
        {362, clsScheduleList::NotHeld, "第362回", "開催しません", "未販売"},
        {363, clsScheduleList::NotYetOnSale, "第363回",
         "2009/03/07(土) 14:00 ～ 2009/03/14(土) 13:50 ", "販売開始まで あと 3日 05時間"},
    };
    EXPECT_EQ(list.Rows(), expected);
    EXPECT_EQ(list.ChosenIndex(), 1);
    EXPECT_EQ(list.NextNo(), 361);
    EXPECT_EQ(list.SelectedIndex(), 1);
    EXPECT_EQ(list.TopIndex(), 1);
    EXPECT_EQ(changes, std::vector<int32_t>{1});
    EXPECT_EQ(list.IndexToNo(3), 363);

    EXPECT_TRUE(list.SetScheduleNo(363, false));
    EXPECT_EQ(list.SelectedIndex(), 3);
    EXPECT_EQ(list.TopIndex(), 1);
    EXPECT_TRUE(list.SetScheduleNo(360, true));
    EXPECT_EQ(list.TopIndex(), 0);
    EXPECT_FALSE(list.SetScheduleNo(364, true));
    EXPECT_EQ(list.SelectedIndex(), -1);
    EXPECT_EQ(changes, (std::vector<int32_t>{1, 3, 0}));
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(RoundList, WhenEverySaleHasEndedTheLastRowIsChosen) {
    cacheRound(12, DateTime::fromDate(2009, 1, 1), DateTime::fromFields(2009, 1, 7, 13, 50, 0));
    folder.write("SysData/toto_Schedule/toto_schedule_013.xml",
                 cp932::fromUtf8(clsXmlSchedule::NoGameXmlString(13)));
    cacheRound(11, DateTime::fromDate(2008, 12, 1), DateTime::fromFields(2008, 12, 7, 13, 50, 0));
    list.Refresh();
    ASSERT_EQ(list.ListCount(), 3);
    EXPECT_EQ(list.NextNo(), 13);  // the not-held mark, being last
    EXPECT_EQ(list.IndexToNo(0), 11);
}

TEST(RoundListTexts, TimeLeftAndDates) {
    const DateTime now = DateTime::fromFields(2009, 3, 1, 10, 0, 0);
    EXPECT_EQ(clsScheduleList::TimeLeftText(now, DateTime::fromFields(2009, 3, 4, 15, 40, 0)),
              "3日 05時間");
    EXPECT_EQ(clsScheduleList::TimeLeftText(now, DateTime::fromFields(2009, 3, 1, 15, 0, 0)),
              "0日 05時間");
    EXPECT_EQ(clsScheduleList::DateText(DateTime::fromFields(2009, 3, 7, 13, 50, 0)),
              "2009/03/07(土) 13:50 ");
    EXPECT_EQ(clsScheduleList::DateText(DateTime::fromDate(2009, 3, 1)), "2009/03/01(日) ");
}

}  // namespace
}  // namespace brenvik
