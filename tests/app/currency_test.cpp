#include <gtest/gtest.h>

#include "app/Currency.h"
#include "app/RuntimeError.h"

namespace brenvik {
namespace {

int parseError(const char* text) {
    try {
        Currency::parse(text);
    } catch (const RuntimeError& e) {
        return e.number();
    }
    return 0;
}

TEST(Currency, ParsesExactDecimalsAndWritesTheShortestText) {
    struct {
        const char* text;
        int64_t raw;
        const char* back;
    } const cases[] = {
        {"0", 0, "0"},
        {" 12.5 ", 125000, "12.5"},
        {"-3", -30000, "-3"},
        {"+0.0001", 1, "0.0001"},
        {".5", 5000, "0.5"},
        {"7.", 70000, "7"},
        {"1.00005", 10000, "1"},           // half to even: down
        {"1.00015", 10002, "1.0002"},      // half to even: up
        {"1.000050001", 10001, "1.0001"},  // more than half
        {"-1.00015", -10002, "-1.0002"},
        {"922337203685477.5807", INT64_MAX, "922337203685477.5807"},
        {"-922337203685477.5808", INT64_MIN, "-922337203685477.5808"},
        {"0.1234", 1234, "0.1234"},
    };
    for (const auto& c : cases) {
        const Currency v = Currency::parse(c.text);
        EXPECT_EQ(v.raw(), c.raw) << c.text;
        EXPECT_EQ(v.toString(), c.back) << c.text;
    }
}

TEST(Currency, BadTextAndOverflow) {
    for (const char* t : {"", " ", "-", ".", "1.2.3", "1e3", "abc", "1,000", "1 0", "--1"})
        EXPECT_EQ(parseError(t), err::TypeMismatch) << t;
    for (const char* t : {"922337203685477.5808", "-922337203685477.5809",
                          "99999999999999999999999999999999999999999999"})
        EXPECT_EQ(parseError(t), err::Overflow) << t;
    EXPECT_THROW(Currency::fromInteger(INT64_MAX / 1000), RuntimeError);
    EXPECT_THROW(Currency::fromRaw(INT64_MAX) + Currency::fromRaw(1), RuntimeError);
    EXPECT_THROW(-Currency::fromRaw(INT64_MIN), RuntimeError);
}

TEST(Currency, RoundsToIntegerHalfToEven) {
    const std::pair<const char*, int64_t> cases[] = {{"0.5", 0},    {"1.5", 2},   {"2.5", 2},
                                                     {"2.5001", 3}, {"-0.5", 0},  {"-1.5", -2},
                                                     {"-2.5", -2},  {"-2.6", -3}, {"3.4999", 3}};
    for (const auto& [text, whole] : cases)
        EXPECT_EQ(Currency::parse(text).roundToInteger(), whole) << text;
}

}  // namespace
}  // namespace brenvik
