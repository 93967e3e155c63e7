#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "app/Messages.h"

namespace brenvik {

// Codes as a byte matrix: one row per code, one column per position, entries 0..2. Compact
// enough for the full code list of 13 triples (1,594,323 rows).
struct CodeMatrix {
    int32_t Rows = 0;
    int32_t Columns = 0;
    std::vector<uint8_t> Cells;  // row-major

    uint8_t at(int32_t row, int32_t column) const {
        return Cells[static_cast<std::size_t>(row) * static_cast<std::size_t>(Columns) +
                     static_cast<std::size_t>(column)];
    }
    const uint8_t* row(int32_t r) const {
        return Cells.data() + static_cast<std::size_t>(r) * static_cast<std::size_t>(Columns);
    }
};

// The byte-matrix form of the role-code arithmetic, used for the full expansion.
class clsPattern {
  public:
    // 2^D * 3^T (0 after a reported error).
    int32_t GetDoubleTriple(int32_t D, int32_t T);
    // m! / (n! (m - n)!), as the product m (m - 1) ... (m - n + 1) divided by n!.
    int64_t GetCombinationCount(int32_t m, int32_t n);
    // The full code list (N = 0) or its codes with at least D + T - N zeros, in full-list
    // order. Empty after a reported error (more than 13 positions, a negative count).
    CodeMatrix GetMultiPatternEx(int32_t D, int32_t T, int32_t N);
    std::vector<std::string> GetByteToString(const CodeMatrix& codes);
    // Codes joined by blanks; the first code's length sets the columns. Empty after a reported
    // error (a code too short or with a character that is no digit).
    CodeMatrix GetStrToByte(const std::string& strCodes);
    // `width` digits in base 2 or 3, lowest digit at index 0; empty after the report of a
    // negative value or a width below 1.
    std::vector<uint8_t> Get2Sin(int32_t value, int32_t width);
    std::vector<uint8_t> Get3Sin(int32_t value, int32_t width);

  private:
    std::vector<uint8_t> digits(const char* procedure, int32_t base, int32_t value, int32_t width);
    ErrorReport report_{"clsPattern"};
};

}  // namespace brenvik
