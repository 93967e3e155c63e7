#include "lottery/clsTNumber.h"

#include <exception>

#include "app/RuntimeError.h"

namespace brenvik {

clsTNumber::clsTNumber() {
    pow3_[0] = 1;
    for (std::size_t i = 1; i < pow3_.size(); ++i) pow3_[i] = pow3_[i - 1] * 3;
}

void clsTNumber::NoToByte(int32_t lngNo, Digits& bytArray) const {
    try {
        int32_t rest = lngNo;
        for (int i = 12; i >= 0; --i) {
            const auto w = pow3_[static_cast<std::size_t>(i)];
            const int32_t digit = rest / w;
            if (digit < 0 || digit > 255) err::raise(err::Overflow);
            bytArray[static_cast<std::size_t>(i)] = static_cast<uint8_t>(digit);
            rest %= w;
        }
    } catch (const std::exception& e) {
        report_.error("NoToArray", e);
    }
}

void clsTNumber::NoToLong(int32_t lngNo, LongDigits& lngArray) const {
    try {
        // Negative digits would be no outcome at all; refuse them as the byte form does.
        if (lngNo < 0) err::raise(err::Overflow);
        int32_t rest = lngNo;
        for (int i = 12; i >= 0; --i) {
            const auto w = pow3_[static_cast<std::size_t>(i)];
            lngArray[static_cast<std::size_t>(i)] = rest / w;
            rest %= w;
        }
    } catch (const std::exception& e) {
        report_.error("NoToArray_Long", e);
    }
}

void clsTNumber::ByteToNo(const Digits& bytArray, int32_t& lngNo) const {
    try {
        int64_t sum = 0;
        for (std::size_t i = 0; i < bytArray.size(); ++i) {
            sum += int64_t{bytArray[i]} * pow3_[i];
            if (sum > INT32_MAX) err::raise(err::Overflow);
        }
        lngNo = static_cast<int32_t>(sum);
    } catch (const std::exception& e) {
        report_.error("ArrayToNo", e);
    }
}

void clsTNumber::LongToNo(const LongDigits& lngArray, int32_t& lngNo) const {
    try {
        int64_t sum = 0;
        for (std::size_t i = 0; i < lngArray.size(); ++i) {
            sum += int64_t{lngArray[i]} * pow3_[i];
            if (sum > INT32_MAX || sum < INT32_MIN) err::raise(err::Overflow);
        }
        lngNo = static_cast<int32_t>(sum);
    } catch (const std::exception& e) {
        report_.error("ArrayToNo_Long", e);
    }
}

void clsTNumber::checkList(int32_t lngNo, std::span<int32_t> lngList, std::size_t lngStart,
                           std::size_t count) const {
    if (lngNo < 0 || lngNo >= pow3_[13]) err::raise(err::InvalidCall);
    // Writing past the caller's list would corrupt memory; the classic runtime stops there.
    if (lngStart > lngList.size() || lngList.size() - lngStart < count)
        err::raise(err::SubscriptOutOfRange);
}

void clsTNumber::Get2List_Sub(int32_t lngNo, std::span<int32_t> lngList,
                              std::size_t lngStart) const {
    try {
        checkList(lngNo, lngList, lngStart, 26);
        Digits d{};
        NoToByte(lngNo, d);
        std::size_t at = lngStart;
        for (std::size_t i = 0; i < d.size(); ++i)
            for (int x = 0; x <= 2; ++x)
                if (x != d[i]) lngList[at++] = lngNo + (x - d[i]) * pow3_[i];
    } catch (const std::exception& e) {
        report_.error("Get2List_Sub", e);
    }
}

void clsTNumber::Get3List_Sub(int32_t lngNo, std::span<int32_t> lngList,
                              std::size_t lngStart) const {
    try {
        checkList(lngNo, lngList, lngStart, 312);
        Digits d{};
        NoToByte(lngNo, d);
        std::size_t at = lngStart;
        for (std::size_t a = 0; a + 1 < d.size(); ++a)
            for (std::size_t b = a + 1; b < d.size(); ++b)
                for (int x = 0; x <= 2; ++x) {
                    if (x == d[a]) continue;
                    for (int y = 0; y <= 2; ++y)
                        if (y != d[b])
                            lngList[at++] = lngNo + (x - d[a]) * pow3_[a] + (y - d[b]) * pow3_[b];
                }
    } catch (const std::exception& e) {
        report_.error("Get3List_Sub", e);
    }
}

void clsTNumber::Get2List(int32_t lngNo, std::span<int32_t> lngList) const {
    Get2List_Sub(lngNo, lngList, 0);
}

void clsTNumber::Get3List(int32_t lngNo, std::span<int32_t> lngList) const {
    Get3List_Sub(lngNo, lngList, 0);
}

void clsTNumber::Get12List(int32_t lngNo, std::span<int32_t> lngList) const {
    if (!lngList.empty()) lngList[0] = lngNo;
    Get2List_Sub(lngNo, lngList, 1);
}

void clsTNumber::Get123List(int32_t lngNo, std::span<int32_t> lngList) const {
    if (!lngList.empty()) lngList[0] = lngNo;
    Get2List_Sub(lngNo, lngList, 1);
    Get3List_Sub(lngNo, lngList, 27);
}

}  // namespace brenvik
