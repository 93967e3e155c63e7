#include <gtest/gtest.h>

#include "app/RuntimeError.h"
#include "official/FullWidth.h"
#include "official/clsHtmlToto.h"
#include "support/Recorders.h"

namespace brenvik {
namespace {

struct Readers : ::testing::Test {
    test::MessageRecorder boxes;
    test::FixedClock clock{DateTime::fromFields(2010, 6, 1, 9, 0, 0)};
    clsHtmlToto toto;
};

DateTime at(int y, int mo, int d, int h = 0, int mi = 0, int s = 0) {
    return DateTime::fromFields(y, mo, d, h, mi, s);
}

TEST_F(Readers, RoundHeadings) {
    struct Case {
        const char* cell;
        bool found;
        int32_t round;
    };
    const Case cases[] = {
        {"第1234回totoくじ情報", true, 1234},
        {"第12回", true, 12},
        {"回第12", false, -1},
        {"第12", false, -1},
        {"12回", false, -1},
    };
    for (const Case& c : cases) {
        int32_t round = -1;
        EXPECT_EQ(toto.Kaisaikai(c.cell, round), c.found) << c.cell;
        EXPECT_EQ(round, c.round) << c.cell;
    }
    int32_t round = -1;
    EXPECT_TRUE(toto.GetKaisaikai("第0456回totoくじ結果", round, "totoくじ結果"));
    EXPECT_EQ(round, 456);
    round = -1;
    EXPECT_FALSE(toto.GetKaisaikai("第0456回totoくじ結果", round, "totoくじ情報"));
    EXPECT_EQ(round, -1);
    // Not a number between the two: the error goes to the page reader.
    EXPECT_THROW(toto.Kaisaikai("第x回", round), RuntimeError);
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(Readers, NumbersWithAPercentage) {
    Currency a = Currency::fromInteger(-1), b = Currency::fromInteger(-1);
    EXPECT_TRUE(toto.GetValue2("1,234,567(45.67%)", a, b));
    EXPECT_EQ(a, Currency::parse("1234567"));
    EXPECT_EQ(b, Currency::parse("45.67"));
    EXPECT_TRUE(toto.GetValue2(" １２，３４５（１．５％） ", a, b));  // full-width
    EXPECT_EQ(a, Currency::parse("12345"));
    EXPECT_EQ(b, Currency::parse("1.5"));
    a = b = Currency::fromInteger(-1);
    EXPECT_FALSE(toto.GetValue2("1,234", a, b));
    EXPECT_FALSE(toto.GetValue2("1,234(5", a, b));
    EXPECT_EQ(a, Currency::fromInteger(-1));
    EXPECT_EQ(b, Currency::fromInteger(-1));
}

TEST_F(Readers, Money) {
    struct Case {
        const char* cell;
        const char* value;
    };
    const Case cases[] = {
        {"12,345円", "12345"},
        {"1.2.3", "0"},
        {"-500", "500"},
        {"１２３", "0"},
        {"", "0"},
        {"円", "0"},
        {"0.5%", "0.5"},
        {"123,456,789,012円", "123456789012"},
        {".", "0"},
        {"約3.25倍", "3.25"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(toto.StringToCurrency(c.cell), Currency::parse(c.value)) << c.cell;
    EXPECT_TRUE(boxes.boxes.empty());
    // Too large for the currency: the error is reported and the value is 0.
    EXPECT_EQ(toto.StringToCurrency("99999999999999999999"), Currency());
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].icon, MessageIcon::Error);
    EXPECT_NE(boxes.boxes[0].title.find("clsHtmlToto / StringToCurrency"), std::string::npos);
}

TEST_F(Readers, DateForms) {
    struct Case {
        const char* text;
        DateTime expected;
    };
    const Case cases[] = {
        {"2009/3/7", at(2009, 3, 7)},
        {"2009/03/07", at(2009, 3, 7)},
        {"2009-3-7", at(2009, 3, 7)},
        {"2009年3月7日", at(2009, 3, 7)},
        {"3月7日", at(2010, 3, 7)},
        {"3/7", at(2010, 3, 7)},
        {"2009年3月7日13:50", at(2009, 3, 7, 13, 50)},
        {"2009年3月7日 13:50:30", at(2009, 3, 7, 13, 50, 30)},
        {"2009/3/7 9:05", at(2009, 3, 7, 9, 5)},
        {"3月7日13:50", at(2010, 3, 7, 13, 50)},
        {"２００９年３月７日", at(2009, 3, 7)},
        {"2008/2/29", at(2008, 2, 29)},
        {"09/3/7", at(2009, 3, 7)},
        {"13:50", DateTime::fromTime(13, 50, 0)},
        // Not dates:
        {"2009/2/29", DateTime()},
        {"2009/13/1", DateTime()},
        {"2009年3月32日", DateTime()},
        {"2009年3月7日25:00", DateTime()},
        {"2009年3月7日(土)", DateTime()},
        {"2009年3月7日13:50頃", DateTime()},
        {"abc", DateTime()},
        {"", DateTime()},
        {"2009/3/7/1", DateTime()},
        {"3月", DateTime()},
        {"20090307", DateTime()},
    };
    for (const Case& c : cases) EXPECT_EQ(toto.StringToDate(c.text), c.expected) << c.text;
}

TEST_F(Readers, DatesWithWeekdaysAndTrailingWords) {
    struct Case {
        const char* text;
        DateTime expected;
        const char* halfWidth;  // the caller's text afterwards
    };
    const Case cases[] = {
        {"2009年3月7日(土)13:50頃", at(2009, 3, 7, 13, 50), "2009年3月7日(土)13:50頃"},
        {"2009年3月7日（土）１３：５０：００", at(2009, 3, 7, 13, 50), "2009年3月7日(土)13:50:00"},
        {"3月7日(土)", at(2010, 3, 7), "3月7日(土)"},
        {"2009/03/07", at(2009, 3, 7), "2009/03/07"},
        {"(土)", DateTime(), "(土)"},
    };
    for (const Case& c : cases) {
        std::string value = c.text;
        EXPECT_EQ(toto.StringToDateEx(value), c.expected) << c.text;
        EXPECT_EQ(value, c.halfWidth) << c.text;
    }
    EXPECT_EQ(toto.StringToDateEx(std::string("2009/03/07")), toto.StringToDate("2009/03/07"));
}

TEST_F(Readers, DayWithTheLatestTime) {
    struct Case {
        const char* text;
        DateTime expected;
    };
    const Case cases[] = {
        {"3月7日(土)13:00～15:50", at(2010, 3, 7, 15, 50)},
        {"2009年3月7日(土)9:00～13:50", at(2009, 3, 7, 13, 50)},
        {"2009年3月7日(土)13:50", at(2009, 3, 7, 13, 50)},
        {"2009年3月7日(土)", at(2009, 3, 7)},
        {"2009年3月7日(土)１５：５０", at(2009, 3, 7, 15, 50)},
        {"3/7", DateTime()},
    };
    for (const Case& c : cases) EXPECT_EQ(toto.StringToDateEx2(c.text), c.expected) << c.text;
    EXPECT_EQ(clsHtmlToto::LatestTime("7日3:50～12:00"), "12:00");
    EXPECT_EQ(clsHtmlToto::LatestTime("0:00"), "");  // a time reading 0 is never kept
    EXPECT_EQ(clsHtmlToto::LatestTime("x:y"), "");
}

TEST_F(Readers, Periods) {
    DateTime a(1.0), b(2.0);
    toto.DateString2("2009年3月1日(日)10:00～2009年3月7日(土)13:50まで", a, b);
    EXPECT_EQ(a, at(2009, 3, 1, 10, 0));
    // One character after the tilde is skipped.
    EXPECT_EQ(b, DateTime());
    toto.DateString2("3月1日(日)10:00～ 3月7日(土)13:50まで", a, b);
    EXPECT_EQ(a, at(2010, 3, 1, 10, 0));
    EXPECT_EQ(b, at(2010, 3, 7, 13, 50));
    toto.DateString2("3月1日(日)10:00〜 3月7日(土)13:50", a, b);  // the wave dash
    EXPECT_EQ(b, at(2010, 3, 7, 13, 50));
    a = DateTime(1.0), b = DateTime(2.0);
    toto.DateString2("3月1日(日)10:00", a, b);
    EXPECT_EQ(a, DateTime(1.0));
    EXPECT_EQ(b, DateTime(2.0));

    toto.GetStringToDate2("3月1日～ 3月7日", a, b);
    EXPECT_EQ(a, at(2010, 3, 1));
    EXPECT_EQ(b, at(2010, 3, 7));
}

TEST_F(Readers, AsOfNotes) {
    DateTime d;
    bool final = false;
    EXPECT_TRUE(toto.GetStringToDateNow("(2009年3月7日(土)13:50販売終了時点)", d, final));
    EXPECT_EQ(d, at(2009, 3, 7, 13, 50));
    EXPECT_TRUE(final);
    EXPECT_TRUE(toto.GetStringToDateNow("(3月6日(金)18:00時点)", d, final));
    EXPECT_EQ(d, at(2010, 3, 6, 18, 0));
    EXPECT_FALSE(final);
    d = DateTime(5.0);
    EXPECT_FALSE(toto.GetStringToDateNow("3月6日(金)18:00時点)", d, final));
    EXPECT_FALSE(toto.GetStringToDateNow("(3月6日(金)18:00)", d, final));
    EXPECT_EQ(d, DateTime(5.0));
}

TEST_F(Readers, GameTypeAdvancesOnlyOnAGame) {
    clsTGameType games;
    ASSERT_GT(games.Count(), 0);
    const std::vector<std::string> cells{"x", games.Text(1)};
    int32_t pos = 1;
    EXPECT_EQ(toto.GetGameType(cells, pos), "");
    EXPECT_EQ(pos, 1);
    pos = 2;
    EXPECT_EQ(toto.GetGameType(cells, pos), games.Text(1));
    EXPECT_EQ(pos, 3);
    EXPECT_EQ(toto.GetGameType(cells, pos), "");  // past the end
    EXPECT_EQ(pos, 3);
}

TEST(FullWidthTable, MapsTheFullWidthFormsOnly) {
    EXPECT_EQ(fullwidth::toHalfWidth("０１９ＡＺａｚ（）：，．％～！"), "019AZaz():,.%~!");
    EXPECT_EQ(fullwidth::toHalfWidth("　￥－"), " \u00A5-");
    // Kana, kanji and half-width text stay as they are.
    EXPECT_EQ(fullwidth::toHalfWidth("カナ漢字abc ｶﾅ"), "カナ漢字abc ｶﾅ");
    EXPECT_EQ(fullwidth::toHalfWidth(std::string("\xff\xfe", 2)), "\xEF\xBF\xBD\xEF\xBF\xBD");
}

}  // namespace
}  // namespace brenvik
