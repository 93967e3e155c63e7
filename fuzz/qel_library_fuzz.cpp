// Arbitrary bytes as a pattern library file. The reader may report but never crash, hang or
// allocate without bound; whatever it reads must also survive the pattern list, the
// conversion and the probabilities, and the fast probabilities must equal the literal ones.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/PatternSelection.h"
#include "engine/basPattern.h"
#include "engine/clsQelFile.h"

namespace {

using namespace brenvik;

std::string joined(const std::vector<std::string>& codes) {
    std::string text;
    for (const auto& c : codes) text += (text.empty() ? "" : " ") + c;
    return text;
}

// A complete multi of the pattern's shape: doubles first, then triples, then single marks.
MultiMarks multiOf(int32_t doubles, int32_t triples) {
    MultiMarks m{};
    for (int match = 1; match <= 13; ++match) {
        const auto i = static_cast<std::size_t>(match);
        m[i] = 2;
        if (match <= doubles + triples) m[13 + i] = 2;
        if (match > doubles && match <= doubles + triples) m[26 + i] = 2;
    }
    return m;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    // Message boxes are the silent ones: nothing is installed.
    std::vector<PatternRecord> table;
    clsQelFile qel;
    qel.LoadText(std::string_view(reinterpret_cast<const char*>(data), size), "fuzz/Qel.dat",
                 table);
    const PatternLibrary library(std::move(table));

    int checked = 0;
    for (const PatternRecord& p : library.records()) {
        if (p.Doubles < 0 || p.Triples < 0 || p.Doubles + p.Triples > 6 || ++checked > 8) continue;
        const auto universe = basPattern::ConditionFilter(
            basPattern::FullCodes(p.Doubles, p.Triples), p.Kind >= 0 && p.Kind <= 13 ? p.Kind : 0);
        if (universe.size() * p.Codes.size() <= 50000 &&
            basPattern::ProbabilityTable(universe, p.Codes) !=
                basPattern::ProbabilityTableLiteral(universe, p.Codes)) {
            __builtin_trap();
        }
        (void)basPattern::PatternReport(p.Doubles, p.Triples, joined(p.Codes), 0);

        PatternSelection selection(library);
        const MultiMarks marks = multiOf(p.Doubles, p.Triples);
        selection.LoadedPatternID(p.ID);
        selection.ShowMultiHelp(marks);
        if (selection.SelectPatternID(p.ID)) selection.SetQelData(marks);
    }
    return 0;
}
