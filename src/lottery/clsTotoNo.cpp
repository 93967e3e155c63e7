#include "lottery/clsTotoNo.h"

#include <exception>

#include "app/RuntimeError.h"

namespace brenvik {
namespace {

constexpr std::array<int32_t, 14> kPow3 = [] {
    std::array<int32_t, 14> p{};
    p[0] = 1;
    for (std::size_t i = 1; i < p.size(); ++i) p[i] = p[i - 1] * 3;
    return p;
}();

// Weight of match k (1..13).
constexpr int32_t weight(int k) {
    return kPow3[static_cast<std::size_t>(k - 1)];
}

}  // namespace

clsTotoNo::Composition clsTotoNo::GetNoByte(int32_t lngNo) const {
    Composition result{};
    try {
        int32_t rest = lngNo;
        for (int k = 13; k >= 1; --k) {
            const int32_t digit = rest / weight(k);  // truncates like the classic "\"
            if (digit < 0 || digit > 255) err::raise(err::Overflow);
            result[static_cast<std::size_t>(k)] = static_cast<uint8_t>(digit);
            rest %= weight(k);
        }
    } catch (const std::exception& e) {
        report_.error("GetNoToArray", e);
    }
    return result;
}

int32_t clsTotoNo::GetByteNo(const Composition& bytArray) const {
    try {
        int64_t sum = 0;
        for (int k = 1; k <= 13; ++k) {
            sum += int64_t{bytArray[static_cast<std::size_t>(k)]} * weight(k);
            if (sum > INT32_MAX) err::raise(err::Overflow);
        }
        return static_cast<int32_t>(sum);
    } catch (const std::exception& e) {
        report_.error("GetArrayToNo", e);
        return 0;
    }
}

bool clsTotoNo::CheckArray(const Composition& bytArray) const {
    for (int k = 1; k <= 13; ++k)
        if (bytArray[static_cast<std::size_t>(k)] > 2) return false;
    return true;
}

bool clsTotoNo::checkListArgument(int32_t lngNo, const char* procedure) const {
    if (CheckNo(lngNo)) return true;
    report_.error(procedure, RuntimeError(err::InvalidCall, err::describe(err::InvalidCall)));
    return false;
}

// Replacing digit d of match k by x changes the number by (x - d) * 3^(k-1), so every
// neighbour comes from the one decomposition without composing a new array.
void clsTotoNo::appendOneAway(int32_t lngNo, std::vector<int32_t>& list) const {
    const Composition c = GetNoByte(lngNo);
    for (int k = 1; k <= 13; ++k) {
        const int d = c[static_cast<std::size_t>(k)];
        for (int x = 0; x <= 2; ++x)
            if (x != d) list.push_back(lngNo + (x - d) * weight(k));
    }
}

void clsTotoNo::appendTwoAway(int32_t lngNo, std::vector<int32_t>& list) const {
    const Composition c = GetNoByte(lngNo);
    for (int a = 1; a <= 12; ++a) {
        const int da = c[static_cast<std::size_t>(a)];
        for (int b = a + 1; b <= 13; ++b) {
            const int db = c[static_cast<std::size_t>(b)];
            for (int x = 0; x <= 2; ++x) {
                if (x == da) continue;
                for (int y = 0; y <= 2; ++y)
                    if (y != db)
                        list.push_back(lngNo + (x - da) * weight(a) + (y - db) * weight(b));
            }
        }
    }
}

std::vector<int32_t> clsTotoNo::Get2List(int32_t lngNo) const {
    std::vector<int32_t> list;
    if (!checkListArgument(lngNo, "Get2List")) return list;
    list.reserve(26);
    appendOneAway(lngNo, list);
    return list;
}

std::vector<int32_t> clsTotoNo::Get3List(int32_t lngNo) const {
    std::vector<int32_t> list;
    if (!checkListArgument(lngNo, "Get3List")) return list;
    list.reserve(312);
    appendTwoAway(lngNo, list);
    return list;
}

std::vector<int32_t> clsTotoNo::Get12List(int32_t lngNo) const {
    std::vector<int32_t> list;
    if (!checkListArgument(lngNo, "Get12List")) return list;
    list.reserve(27);
    list.push_back(lngNo);
    appendOneAway(lngNo, list);
    return list;
}

std::vector<int32_t> clsTotoNo::Get123List(int32_t lngNo) const {
    std::vector<int32_t> list;
    if (!checkListArgument(lngNo, "Get123List")) return list;
    list.reserve(339);
    list.push_back(lngNo);
    appendOneAway(lngNo, list);
    appendTwoAway(lngNo, list);
    return list;
}

int32_t clsTotoNo::Comparison(int32_t lngNo1, int32_t lngNo2) const {
    const Composition a = GetNoByte(lngNo1);
    const Composition b = GetNoByte(lngNo2);
    int32_t differ = 0;
    for (int k = 1; k <= 13; ++k)
        if (a[static_cast<std::size_t>(k)] != b[static_cast<std::size_t>(k)]) ++differ;
    return differ;
}

}  // namespace brenvik
