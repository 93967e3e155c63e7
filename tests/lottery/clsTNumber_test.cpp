#include <gtest/gtest.h>

#include <vector>

#include "app/RuntimeError.h"
#include "lottery/clsTNumber.h"
#include "lottery/clsTotoNo.h"
#include "support/Recorders.h"

namespace brenvik {
namespace {

constexpr int32_t kLast = 1594322;

TEST(clsTNumber, AgreesWithTheOneBasedForm) {
    const clsTNumber tn;
    const clsTotoNo t;
    for (int32_t n : {0, 1, 6, 531441, 797161, kLast - 1, kLast}) {
        SCOPED_TRACE(n);
        clsTNumber::Digits d{};
        clsTNumber::LongDigits l{};
        tn.NoToByte(n, d);
        tn.NoToLong(n, l);
        const auto c = t.GetNoByte(n);
        for (std::size_t i = 0; i < 13; ++i) {
            EXPECT_EQ(d[i], c[i + 1]);
            EXPECT_EQ(l[i], c[i + 1]);
        }
        int32_t back = -1, backLong = -1;
        tn.ByteToNo(d, back);
        tn.LongToNo(l, backLong);
        EXPECT_EQ(back, n);
        EXPECT_EQ(backLong, n);

        std::vector<int32_t> l2(26), l3(312), l12(27), l123(339);
        tn.Get2List(n, l2);
        tn.Get3List(n, l3);
        tn.Get12List(n, l12);
        tn.Get123List(n, l123);
        EXPECT_EQ(l2, t.Get2List(n));
        EXPECT_EQ(l3, t.Get3List(n));
        EXPECT_EQ(l12, t.Get12List(n));
        EXPECT_EQ(l123, t.Get123List(n));
    }
}

TEST(clsTNumber, ListsWriteOnlyTheirOwnPartOfALongerList) {
    const clsTNumber tn;
    std::vector<int32_t> list(400, -7);
    tn.Get12List(0, list);
    EXPECT_EQ(list[0], 0);
    EXPECT_EQ(list[1], 1);
    EXPECT_EQ(list[26], 1062882);
    EXPECT_EQ(list[27], -7);
}

TEST(clsTNumber, ConversionErrorsAreReportedUnderTheirNames) {
    test::MessageRecorder rec;
    const clsTNumber tn;
    clsTNumber::Digits d{};
    d.fill(9);
    tn.NoToByte(-1, d);
    clsTNumber::LongDigits l{};
    tn.NoToLong(-1, l);
    clsTNumber::LongDigits big{};
    big.fill(INT32_MAX);
    int32_t n = 42;
    tn.LongToNo(big, n);
    EXPECT_EQ(n, 42);  // left alone

    ASSERT_EQ(rec.boxes.size(), 3u);
    EXPECT_EQ(rec.boxes[0].title, "Brenvik / clsTNumber / NoToArray");
    EXPECT_EQ(rec.boxes[1].title, "Brenvik / clsTNumber / NoToArray_Long");
    EXPECT_EQ(rec.boxes[2].title, "Brenvik / clsTNumber / ArrayToNo_Long");
    for (const auto& b : rec.boxes) EXPECT_EQ(b.text, err::describe(err::Overflow) + " ( 6 )");
    // Filled from match 13 down to the failing digit: -1 fails at match 1.
    EXPECT_EQ(d[12], 0);
    EXPECT_EQ(d[1], 0);
    EXPECT_EQ(d[0], 9);
}

TEST(clsTNumber, ShortListOrBadNumberIsReportedAndNothingIsWrittenPastTheList) {
    test::MessageRecorder rec;
    const clsTNumber tn;
    std::vector<int32_t> storage(40, -7);
    const std::span<int32_t> shortList(storage.data(), 20);
    tn.Get2List(0, shortList);
    tn.Get123List(0, std::span<int32_t>(storage.data(), 27));  // room for the 1-2 part only
    tn.Get3List(kLast + 1, std::span<int32_t>(storage.data(), 0));
    std::vector<int32_t> big(312, -7);
    tn.Get3List(-3, big);

    ASSERT_EQ(rec.boxes.size(), 4u);
    EXPECT_EQ(rec.boxes[0].title, "Brenvik / clsTNumber / Get2List_Sub");
    EXPECT_EQ(rec.boxes[0].text, err::describe(err::SubscriptOutOfRange) + " ( 9 )");
    EXPECT_EQ(rec.boxes[1].title, "Brenvik / clsTNumber / Get3List_Sub");
    EXPECT_EQ(rec.boxes[2].title, "Brenvik / clsTNumber / Get3List_Sub");
    EXPECT_EQ(rec.boxes[3].text, err::describe(err::InvalidCall) + " ( 5 )");
    EXPECT_EQ(storage[1], 1);  // the 1-2 part of Get123List was written
    EXPECT_EQ(storage[27], -7);
    EXPECT_EQ(big[0], -7);
}

}  // namespace
}  // namespace brenvik
