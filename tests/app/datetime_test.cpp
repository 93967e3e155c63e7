#include <gtest/gtest.h>

#include "app/DateTime.h"

namespace brenvik {
namespace {

TEST(DateTime, SerialsOfKnownDates) {
    struct {
        int y, m, d;
        double serial;
        int weekday;  // 1 = Sunday
    } const cases[] = {
        {1899, 12, 30, 0, 7},   {1899, 12, 31, 1, 1},   {1900, 1, 1, 2, 2},
        {1900, 3, 1, 61, 5},    {2000, 1, 1, 36526, 7}, {2000, 2, 29, 36585, 3},
        {2024, 3, 9, 45360, 7}, {1899, 12, 29, -1, 6},  {9999, 12, 31, 2958465, 6},
    };
    for (const auto& c : cases) {
        const DateTime d = DateTime::fromDate(c.y, c.m, c.d);
        EXPECT_EQ(d.serial(), c.serial) << c.y << "-" << c.m << "-" << c.d;
        EXPECT_EQ(d.year(), c.y);
        EXPECT_EQ(d.month(), c.m);
        EXPECT_EQ(d.day(), c.d);
        EXPECT_EQ(d.weekday(), c.weekday) << c.serial;
    }
    // Fields out of range roll over.
    EXPECT_EQ(DateTime::fromDate(2023, 13, 1), DateTime::fromDate(2024, 1, 1));
    EXPECT_EQ(DateTime::fromDate(2024, 0, 1), DateTime::fromDate(2023, 12, 1));
    EXPECT_EQ(DateTime::fromDate(2024, 3, 0), DateTime::fromDate(2024, 2, 29));
    EXPECT_EQ(DateTime::fromDate(2024, -11, 1), DateTime::fromDate(2023, 1, 1));
}

TEST(DateTime, TimesAndTexts) {
    const DateTime t = DateTime::fromFields(2024, 3, 9, 7, 5, 9);
    EXPECT_EQ(t.dateText(), "2024/03/09");
    EXPECT_EQ(t.timeText(), "7:05:09");
    EXPECT_EQ(t.text(), "2024/03/09 7:05:09");
    EXPECT_EQ(t.datePart(), DateTime::fromDate(2024, 3, 9));
    EXPECT_EQ(DateTime(0.5).timeText(), "12:00:00");
    EXPECT_EQ(DateTime::fromTime(23, 59, 59).second(), 59);
    // Before the epoch the fraction counts away from zero.
    const DateTime before = DateTime::fromFields(1899, 12, 29, 6, 0, 0);
    EXPECT_DOUBLE_EQ(before.serial(), -1.25);
    EXPECT_EQ(before.text(), "1899/12/29 6:00:00");
    EXPECT_EQ(before.datePart().day(), 29);
    // A fraction a hair below midnight rounds to the next day, not to 24:00:00.
    EXPECT_EQ(DateTime(1.0 - 1e-9).text(), "1899/12/31 0:00:00");
}

TEST(DateTime, TryParse) {
    struct {
        const char* text;
        bool ok;
        const char* back;
    } const cases[] = {
        {"2024/3/9", true, "2024/03/09 0:00:00"},
        {"2024-03-09 13:45", true, "2024/03/09 13:45:00"},
        {" 2024/03/09 13:45:07 ", true, "2024/03/09 13:45:07"},
        {"13:45", true, "1899/12/30 13:45:00"},
        {"2024/02/30", false, ""},
        {"2023/02/29", false, ""},
        {"2024/13/01", false, ""},
        {"2024/03-09", false, ""},
        {"2024/03/09x", false, ""},
        {"2024/03/09 24:00", false, ""},
        {"12:60", false, ""},
        {"12:30:", false, ""},
        {"", false, ""},
        {"Nothing", false, ""},
        {"99999999999999/1/1", false, ""},
    };
    for (const auto& c : cases) {
        DateTime d(123);
        EXPECT_EQ(DateTime::tryParse(c.text, d), c.ok) << c.text;
        if (c.ok)
            EXPECT_EQ(d.text(), c.back) << c.text;
        else
            EXPECT_EQ(d.serial(), 123) << c.text;  // untouched on failure
    }
}

}  // namespace
}  // namespace brenvik
