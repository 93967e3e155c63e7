#pragma once
#include <array>
#include <cstdint>
#include <vector>

#include "app/Messages.h"

namespace brenvik {

// Selection numbers of singles: the base-3 number whose digit of weight 3^(k-1) is the
// outcome (1 home, 0 draw, 2 away) of match k, 0 .. 1,594,322. Compositions are indexed
// 1..13 (slot 0 unused). No state; create freely.
class clsTotoNo {
  public:
    using Composition = std::array<uint8_t, 14>;

    static constexpr int32_t kCount = 1594323;  // 3^13

    // The composition of a number. A negative number (or one so large that a digit leaves
    // the byte range) is reported as "GetNoToArray" and gives the digits found so far.
    // Numbers from 1,594,323 up give a digit above 2 in match 13 without complaint.
    Composition GetNoByte(int32_t lngNo) const;
    // The number of a composition (slot 0 ignored).
    int32_t GetByteNo(const Composition& bytArray) const;

    bool CheckNo(int32_t lngNo) const { return lngNo >= 0 && lngNo < kCount; }
    // Every entry 1..13 is an outcome digit (at most 2).
    bool CheckArray(const Composition& bytArray) const;

    // The lists are 0-based vectors. Get2List and Get3List are the classic lists "indexed
    // 1 to 26 / 1 to 312": element i-1 holds entry i. Get12List and Get123List keep their
    // indices: element 0 is the number itself. Order: match ascending, replacement digit
    // 0, 1, 2 ascending (for pairs: first match, second match, its digit, the other's).
    // A number outside 0..1,594,322 has no such lists: it is reported under the list's own
    // name and gives an empty vector.
    std::vector<int32_t> Get2List(int32_t lngNo) const;    // 26: one match different
    std::vector<int32_t> Get3List(int32_t lngNo) const;    // 312: two matches different
    std::vector<int32_t> Get12List(int32_t lngNo) const;   // 27: the number + Get2List
    std::vector<int32_t> Get123List(int32_t lngNo) const;  // 339: the number + both lists

    // The count of matches in which the two singles differ (0..13).
    int32_t Comparison(int32_t lngNo1, int32_t lngNo2) const;

  private:
    bool checkListArgument(int32_t lngNo, const char* procedure) const;
    void appendOneAway(int32_t lngNo, std::vector<int32_t>& list) const;
    void appendTwoAway(int32_t lngNo, std::vector<int32_t>& list) const;

    ErrorReport report_{"clsTotoNo"};
};

}  // namespace brenvik
