#include "engine/clsBrenvik.h"

#include <algorithm>
#include <array>

#include "app/Classic.h"
#include "app/Utf8.h"

namespace brenvik {
namespace {

// The cells of match m in the order roles are handed out: home (1), away (2), draw (0).
struct Cell {
    int index;
    int32_t outcome;
};
std::array<Cell, 3> cellsOf(int m) {
    return {{{m, 1}, {26 + m, 2}, {13 + m, 0}}};
}

}  // namespace

int32_t clsBrenvik::GetFileName_To_GameNo(const std::string& strFileName) {
    try {
        std::size_t start = 0;  // 1-based position of the number
        if (utf8::startsWithIgnoreCase(strFileName, "qel-")) {
            start = 5;
        } else if (utf8::startsWithIgnoreCase(strFileName, "qelex")) {
            start = 6;
        } else if (utf8::startsWithIgnoreCase(strFileName, "qel")) {
            start = 4;
        } else if (utf8::startsWithIgnoreCase(strFileName, "mr")) {
            start = 3;
        } else {
            return 0;
        }
        const auto chars = utf8::decode(strFileName);
        // The character at the start itself is not tested, only those after it.
        for (std::size_t i = start; i < chars.size(); ++i) {
            if (chars[i] < U'0' || chars[i] > U'9') {
                const std::string taken = utf8::mid(strFileName, start, i + 1 - start);
                return classic::isNumeric(taken) ? classic::toLong(taken) : 0;
            }
        }
        return 0;
    } catch (const std::exception& e) {
        report_.error("GetFileName_To_GameNo", e);
    }
    return 0;
}

MultiSummary clsBrenvik::GetMultiSummary(const MultiMarks& marks) {
    MultiSummary s;
    for (int m = 1; m <= 13; ++m) {
        int marked = 0;
        for (const Cell& c : cellsOf(m)) marked += marks[static_cast<std::size_t>(c.index)] != 0;
        switch (marked) {
            case 0:
                ++s.Unmarked;
                break;
            case 1:
                ++s.Singles;
                break;
            case 2:
                ++s.Doubles;
                break;
            default:
                ++s.Triples;
                break;
        }
    }
    s.Combinations = 1;
    for (int i = 0; i < s.Doubles; ++i) s.Combinations *= 2;
    for (int i = 0; i < s.Triples; ++i) s.Combinations *= 3;
    return s;
}

RoleList clsBrenvik::GetRoleList(const MultiMarks& marks) {
    RoleList list;
    for (int m = 1; m <= 13; ++m) {
        // Roles go to the marked cells by ascending mark value, ties in cell order; values
        // above 3 (not made by the editing rules) simply come last.
        std::array<Cell, 3> cells = cellsOf(m);
        auto value = [&](const Cell& c) { return marks[static_cast<std::size_t>(c.index)]; };
        const auto end = std::stable_partition(cells.begin(), cells.end(),
                                               [&](const Cell& c) { return value(c) != 0; });
        const auto marked = static_cast<int32_t>(end - cells.begin());
        if (marked < 2) continue;
        std::stable_sort(cells.begin(), end,
                         [&](const Cell& a, const Cell& b) { return value(a) < value(b); });
        RoleEntry e;
        e.Match = m;
        e.Role1 = cells[0].outcome;
        e.Role2 = cells[1].outcome;
        e.Role3 = marked == 3 ? cells[2].outcome : 0;
        e.Marks = marked;
        list.push_back(e);
    }
    if (list.empty()) list.push_back({14, 0, 0, 0, 1});
    return list;
}

}  // namespace brenvik
