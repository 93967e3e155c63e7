#include <gtest/gtest.h>

#include <functional>

#include "app/RuntimeError.h"
#include "app/clsStringConvert.h"

namespace brenvik {
namespace {

Array2<int32_t> longs(std::size_t rows, std::size_t cols, int32_t fill) {
    return Array2<int32_t>(rows, cols, fill);
}

std::vector<int32_t> row(const Array2<int32_t>& a, std::size_t r) {
    std::vector<int32_t> v;
    for (std::size_t e = 0; e < a.cols(); ++e) v.push_back(a(r, e));
    return v;
}

int errorNumber(const std::function<void()>& f) {
    try {
        f();
    } catch (const RuntimeError& e) {
        return e.number();
    }
    return 0;
}

TEST(clsStringConvert, Long2WritesRowsWithColonsJoinedByCommas) {
    const clsStringConvert cv;
    Array2<int32_t> a(2, 3);
    a(0, 0) = 1, a(0, 2) = 3, a(1, 1) = -2;
    std::string text;
    cv.Long2ToString(a, text);
    EXPECT_EQ(text, "1:0:3,0:-2:0");

    Array2<int32_t> multi(3, 13, 7);
    cv.Long2ToString(multi, text);
    const std::string group = "7:7:7:7:7:7:7:7:7:7:7:7:7";
    EXPECT_EQ(text, group + "," + group + "," + group);
    cv.Long2ToString(Array2<int32_t>(), text);
    EXPECT_EQ(text, "");
}

TEST(clsStringConvert, StringToLong2FillsTheCallersTargetByItsLimits) {
    struct {
        const char* name;
        const char* text;
        std::vector<int32_t> row0, row1;
    } const cases[] = {
        {"short rows keep the rest", "5:6,7:8", {5, 6, 9}, {7, 8, 9}},
        {"second row shorter", "1:2:3,4", {1, 2, 3}, {4, 9, 9}},
        {"element limit carries over", "1:2,3:4:5", {1, 2, 9}, {3, 4, 9}},
        {"empty text changes nothing", "", {9, 9, 9}, {9, 9, 9}},
        {"extra rows and elements are ignored", "1:2:3:4,5:6:7:8,9", {1, 2, 3}, {5, 6, 7}},
        {"blanks around and fractions", " 2 :2.5:-3.5", {2, 2, -4}, {9, 9, 9}},
        {"an empty row reads no elements after it", "1:2,,3", {1, 2, 9}, {9, 9, 9}},
    };
    const clsStringConvert cv;
    for (const auto& c : cases) {
        auto a = longs(2, 3, 9);
        cv.StringToLong2(c.text, a);
        EXPECT_EQ(row(a, 0), c.row0) << c.name;
        EXPECT_EQ(row(a, 1), c.row1) << c.name;
    }
}

TEST(clsStringConvert, BadPiecesRaiseAfterWhatWasStored) {
    const clsStringConvert cv;
    auto a = longs(2, 3, 9);
    EXPECT_EQ(errorNumber([&] { cv.StringToLong2("1::3", a); }), err::TypeMismatch);
    EXPECT_EQ(row(a, 0), (std::vector<int32_t>{1, 9, 9}));
    EXPECT_EQ(errorNumber([&] { cv.StringToLong2("4:5:6,2147483648", a); }), err::Overflow);
    EXPECT_EQ(row(a, 0), (std::vector<int32_t>{4, 5, 6}));

    std::vector<int32_t> v(3, 9);
    EXPECT_EQ(errorNumber([&] { cv.StringToLong1("1,x,3", v); }), err::TypeMismatch);
    EXPECT_EQ(v, (std::vector<int32_t>{1, 9, 9}));

    std::vector<Currency> cur(2);
    EXPECT_EQ(errorNumber([&] { cv.StringToCurrency1("1.5,1e3", cur); }), err::TypeMismatch);
    EXPECT_EQ(cur[0], Currency::parse("1.5"));
    Array2<uint8_t> bytes(1, 3, 9);
    EXPECT_EQ(errorNumber([&] { cv.StringToByte2("12", bytes); }), err::TypeMismatch);  // no 3rd
    EXPECT_EQ(bytes(0, 1), 2);
    EXPECT_EQ(errorNumber([&] { cv.StringToByte2("1-3", bytes); }), err::TypeMismatch);
    DateTime d(5);
    EXPECT_EQ(errorNumber([&] { cv.StringToDate("2024/02/30", d); }), err::TypeMismatch);
    EXPECT_EQ(d.serial(), 5);
}

TEST(clsStringConvert, BooleanForms) {
    const clsStringConvert cv;
    std::string text;
    cv.Boolean1ToString({true, false, true}, text);
    EXPECT_EQ(text, "101");
    std::vector<bool> v(3, true);
    cv.StringToBoolean1("1x", v);
    EXPECT_EQ(v, (std::vector<bool>{true, false, false}));

    Array2<bool> b(2, 3);
    b(0, 0) = b(1, 2) = true;
    cv.Boolean2ToString(b, text);
    EXPECT_EQ(text, "100,001");
    Array2<bool> back(2, 3);
    cv.StringToBoolean2(text, back);
    EXPECT_EQ(back, b);
    Array2<bool> one(3, 2, true);
    cv.StringToBoolean2("01", one);  // rows past the text keep their values
    EXPECT_FALSE(one(0, 0));
    EXPECT_TRUE(one(0, 1));
    EXPECT_TRUE(one(1, 0));

    bool flag = false;
    for (const char* t : {"1", "0", "true", " 1", "-1", ""}) {
        cv.StringToBoolean(t, flag);
        EXPECT_EQ(flag, std::string(t) == "1") << t;
    }
    cv.BooleanToString(true, text);
    EXPECT_EQ(text, "1");
}

TEST(clsStringConvert, ByteCurrencyAndTextForms) {
    const clsStringConvert cv;
    std::string text;
    Array2<uint8_t> bytes(2, 3);
    bytes(0, 0) = 1, bytes(0, 1) = 2, bytes(1, 2) = 4;
    cv.Byte2ToString(bytes, text);
    EXPECT_EQ(text, "120,004");
    Array2<uint8_t> back(2, 3, 9);
    cv.StringToByte2(text, back);
    EXPECT_EQ(back, bytes);

    const std::vector<Currency> money{Currency::parse("1234.5"), Currency::parse("-0.0001"),
                                      Currency()};
    cv.Currency1ToString(money, text);
    EXPECT_EQ(text, "1234.5,-0.0001,0");
    std::vector<Currency> moneyBack(3, Currency::fromInteger(9));
    cv.StringToCurrency1(text, moneyBack);
    EXPECT_EQ(moneyBack, money);
    Array2<Currency> cur2(1, 2);
    cur2(0, 1) = Currency::parse("0.25");
    cv.Currency2ToString(cur2, text);
    EXPECT_EQ(text, "0:0.25");

    Array2<std::string> s2(2, 2);
    s2(0, 0) = "鹿島", s2(1, 1) = "x y";
    cv.String2ToString(s2, text);
    EXPECT_EQ(text, "鹿島:,:x y");
    Array2<std::string> s2back(2, 2, "-");
    cv.StringToString2(text, s2back);
    EXPECT_EQ(s2back, s2);
    std::vector<std::string> s1(2, "-");
    cv.StringToString1("a:b", s1);
    EXPECT_EQ(s1, (std::vector<std::string>{"a:b", "-"}));
    cv.String1ToString({"a", "", "c"}, text);
    EXPECT_EQ(text, "a,,c");
}

TEST(clsStringConvert, Dates) {
    const clsStringConvert cv;
    std::string text;
    cv.DateToString(DateTime(), text);
    EXPECT_EQ(text, "Nothing");
    cv.DateToString(DateTime::fromFields(2024, 3, 9, 13, 5, 0), text);
    EXPECT_EQ(text, "2024/03/09");
    DateTime d(5);
    cv.StringToDate("Nothing", d);
    EXPECT_TRUE(d.isZero());
    d = DateTime(5);
    cv.StringToDate("", d);
    EXPECT_TRUE(d.isZero());
    cv.StringToDate("2024/03/09", d);
    EXPECT_EQ(d, DateTime::fromDate(2024, 3, 9));
}

}  // namespace
}  // namespace brenvik
