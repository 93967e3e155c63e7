#include <gtest/gtest.h>

#include <functional>

#include "app/Classic.h"
#include "app/RuntimeError.h"

namespace brenvik {
namespace {

int errorOf(const std::function<void()>& f) {
    try {
        f();
    } catch (const RuntimeError& e) {
        return e.number();
    }
    return 0;
}

TEST(Classic, ToLongRoundsHalfToEvenAndAllowsBlanks) {
    const std::pair<const char*, int32_t> cases[] = {
        {"0", 0},
        {" 42 ", 42},
        {"-7", -7},
        {"+7", 7},
        {"2.5", 2},
        {"3.5", 4},
        {"-2.5", -2},
        {"0.5000001", 1},
        {"1e3", 1000},
        {"&H10", 16},
        {"&HFFFF", -1},
        {"&HFFFFFFFF", -1},
        {"&O17", 15},
        {"2147483647", 2147483647},
        {"-2147483648", INT32_MIN},
        {"2147483647.4", 2147483647},
    };
    for (const auto& [text, value] : cases) EXPECT_EQ(classic::toLong(text), value) << text;
}

TEST(Classic, MismatchAndOverflowNumbers) {
    const char* mismatch[] = {"",   "  ",  "abc", "1a",  "1-2", "1..2", "1e",    "--1",
                              "&H", "&HG", "1,5", "inf", "nan", "0x10", "1e5e5", "."};
    for (const char* t : mismatch)
        EXPECT_EQ(errorOf([&] { classic::toLong(t); }), err::TypeMismatch) << t;
    const char* overflow[] = {"2147483648", "-2147483649", "1e400", "2147483647.5"};
    for (const char* t : overflow)
        EXPECT_EQ(errorOf([&] { classic::toLong(t); }), err::Overflow) << t;
}

TEST(Classic, ByteIntegerBooleanAndCurrency) {
    EXPECT_EQ(classic::toByte("255"), 255);
    EXPECT_EQ(classic::toByte("254.5"), 254);
    EXPECT_EQ(classic::toByte("-0.4"), 0);
    EXPECT_EQ(errorOf([] { classic::toByte("255.5"); }), err::Overflow);
    EXPECT_EQ(errorOf([] { classic::toByte("-1"); }), err::Overflow);
    EXPECT_EQ(errorOf([] { classic::toByte("x"); }), err::TypeMismatch);
    EXPECT_EQ(classic::toInteger("-32768"), -32768);
    EXPECT_EQ(errorOf([] { classic::toInteger("32768"); }), err::Overflow);

    for (const char* t : {"True", "true", " TRUE ", "-1", "1", "0.1", "2"})
        EXPECT_TRUE(classic::toBoolean(t)) << t;
    for (const char* t : {"False", "false", "0", "0.0"}) EXPECT_FALSE(classic::toBoolean(t)) << t;
    EXPECT_EQ(errorOf([] { classic::toBoolean("yes"); }), err::TypeMismatch);
    EXPECT_EQ(errorOf([] { classic::toBoolean(""); }), err::TypeMismatch);

    EXPECT_EQ(classic::toCurrency(" 1.05 "), Currency::parse("1.05"));
    EXPECT_EQ(classic::toCurrency("1e2"), Currency::fromInteger(100));
    EXPECT_EQ(errorOf([] { classic::toCurrency("1-2"); }), err::TypeMismatch);
    EXPECT_EQ(errorOf([] { classic::toCurrency("1e300"); }), err::Overflow);
    EXPECT_STREQ(classic::booleanText(true), "True");
}

}  // namespace
}  // namespace brenvik
