#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "app/Messages.h"
#include "engine/MultiTypes.h"

namespace brenvik {

// One match of a multi with two or three marks and the outcome (1, 0, 2) holding each role.
struct RoleEntry {
    int32_t Match = 0;  // 1..13; 14 for the dummy entry of a multi without doubles or triples
    int32_t Role1 = 0;  // 本命
    int32_t Role2 = 0;  // 対抗
    int32_t Role3 = 0;  // 穴; 0 and unused for a double
    int32_t Marks = 0;  // 2 or 3 (1 in the dummy entry)
    bool operator==(const RoleEntry&) const = default;
};

using RoleList = std::vector<RoleEntry>;

class clsBrenvik {
  public:
    // The round number a file name (without folder) carries, 0 when none.
    int32_t GetFileName_To_GameNo(const std::string& strFileName);
    // Matches tallied by their number of marked cells; Combinations = 2^Doubles * 3^Triples.
    static MultiSummary GetMultiSummary(const MultiMarks& marks);
    // One entry per match with two or three marks, in match order; {14, 0, 0, 0, 1} alone for
    // a multi without any.
    static RoleList GetRoleList(const MultiMarks& marks);

  private:
    ErrorReport report_{"clsBrenvik"};
};

}  // namespace brenvik
