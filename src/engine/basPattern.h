#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/PatternTable.h"

namespace brenvik::basPattern {

// Role-code arithmetic and the analysis report. A role code has one digit per double, then per
// triple: "0" 本命, "1" 対抗, "2" 穴. Lists here are 0-based (entry i is the list's entry i + 1).

// 2^D * 3^T. RuntimeError 5 for a negative count, 6 when it does not fit 32 bits.
int32_t CombinationCount(int32_t D, int32_t T);
// All 2^D * 3^T codes in full-list order: code c is the D binary digits of c / 3^T followed by
// the T ternary digits of c mod 3^T. RuntimeError 7 beyond 13 positions (no multi has more).
std::vector<std::string> FullCodes(int32_t D, int32_t T);
// `width` digits, most significant first; empty for a negative value or width.
std::string BinaryDigits(int32_t value, int32_t width);
std::string TernaryDigits(int32_t value, int32_t width);
// The codes with at most N digits other than "0", in order; N = 0 keeps every code.
std::vector<std::string> ConditionFilter(const std::vector<std::string>& codes, int32_t N);
// 1 equal, 2 one position differs, 3 two differ, 0 more; 1 when either code is empty. Codes of
// different length show a warning and grade 0.
int32_t GradeCodes(std::string_view x, std::string_view u);
// Counts of the codes by grade 0..3 against universe entry `index` (0-based).
std::array<int32_t, 4> GradeCounts(const std::vector<std::string>& codes,
                                   const std::vector<std::string>& universe, std::size_t index);

// Indexes of the result of ProbabilityTable.
enum Probability { P12 = 0, P1 = 1, P2 = 2, P3 = 3, P2one = 4, P2more = 5, P123 = 6 };
using Probabilities = std::array<int32_t, 7>;

// Percentages of the universe entries that the codes win (halves rounded to even). Counts
// through each code's neighbourhood (codes at distance 0, 1, 2) instead of grading every pair;
// the result equals ProbabilityTableLiteral. An empty universe gives zeros.
Probabilities ProbabilityTable(const std::vector<std::string>& universe,
                               const std::vector<std::string>& codes);
// The straightforward form: every universe entry against every code. Reference for tests and
// benchmarks.
Probabilities ProbabilityTableLiteral(const std::vector<std::string>& universe,
                                      const std::vector<std::string>& codes);

// Grade counts {c0, c1, c2, c3} of the codes against every entry of the universe, in universe
// order, through the neighbourhoods (the fast form behind ProbabilityTable).
std::vector<std::array<int32_t, 4>> GradeTable(const std::vector<std::string>& universe,
                                               const std::vector<std::string>& codes);
// The same for the conditional universe of a shape, without building its code texts.
std::vector<std::array<int32_t, 4>> ShapeGradeTable(int32_t D, int32_t T, int32_t N,
                                                    const std::vector<std::string>& codes);
// Percentages from grade counts.
Probabilities ProbabilitiesOf(const std::vector<std::array<int32_t, 4>>& table);

// The analysis text of the pattern view; every line ends with CR LF. Empty after a reported
// error (a shape beyond 13 positions).
std::string PatternReport(int32_t D, int32_t T, const std::string& codes, int32_t N);

// What the pattern view shows for a pattern: the plain report (conditional false) or the
// report under the pattern's condition; a composite's condition and a plain multi are named
// instead, and a kind the report cannot handle gives an empty text.
std::string ViewReport(const PatternRecord& p, bool conditional);

// Codes text split at single blanks, as the library writes them; an empty text has no codes.
std::vector<std::string> SplitCodes(std::string_view text);

}  // namespace brenvik::basPattern
