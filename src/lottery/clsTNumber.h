#pragma once
#include <array>
#include <cstdint>
#include <span>

#include "app/Messages.h"

namespace brenvik {

// The selection-number arithmetic of clsTotoNo over compositions indexed 0..12 (entry i =
// match i + 1) that the caller supplies, with a table of the powers of 3. Used by printing.
class clsTNumber {
  public:
    using Digits = std::array<uint8_t, 13>;
    using LongDigits = std::array<int32_t, 13>;

    clsTNumber();

    // Number -> composition, filled in place. A negative number (or a digit that leaves the
    // byte range) is reported ("NoToArray" / "NoToArray_Long") and leaves the composition
    // filled only from match 13 down to the failing digit.
    void NoToByte(int32_t lngNo, Digits& bytArray) const;
    void NoToLong(int32_t lngNo, LongDigits& lngArray) const;
    // Composition -> number. A sum beyond 32 bits is reported ("ArrayToNo_Long") and leaves
    // `lngNo` unchanged.
    void ByteToNo(const Digits& bytArray, int32_t& lngNo) const;
    void LongToNo(const LongDigits& lngArray, int32_t& lngNo) const;

    // The neighbour lists written into the caller's list, in the order of clsTotoNo:
    // Get2List list[0..25], Get3List list[0..311], Get12List list[0] = the number and
    // list[1..26], Get123List list[0], list[1..26] and list[27..338]. A list too short for
    // its part, or a number outside 0..1,594,322, is reported ("Get2List_Sub" /
    // "Get3List_Sub") and that part is not written.
    void Get2List(int32_t lngNo, std::span<int32_t> lngList) const;
    void Get3List(int32_t lngNo, std::span<int32_t> lngList) const;
    void Get12List(int32_t lngNo, std::span<int32_t> lngList) const;
    void Get123List(int32_t lngNo, std::span<int32_t> lngList) const;

  private:
    void Get2List_Sub(int32_t lngNo, std::span<int32_t> lngList, std::size_t lngStart) const;
    void Get3List_Sub(int32_t lngNo, std::span<int32_t> lngList, std::size_t lngStart) const;
    // Raises the run-time error when the number or the room left in the list does not fit.
    void checkList(int32_t lngNo, std::span<int32_t> lngList, std::size_t lngStart,
                   std::size_t count) const;

    std::array<int32_t, 14> pow3_{};  // 3^0 .. 3^13
    ErrorReport report_{"clsTNumber"};
};

}  // namespace brenvik
