// Arbitrary bytes into the single CSV reader: every single it accepts holds outcomes 0 to 2
// and writes out again.
#include <cstddef>
#include <cstdint>
#include <string>

#include "files/TextFile.h"
#include "files/clsFileSingle.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    brenvik::clsFileSingle file;
    if (file.LoadCsvText(brenvik::textfile::fromFileBytes(bytes), "fuzz.csv")) {
        const auto singles = file.Singles();
        if (static_cast<std::size_t>(file.Count()) != singles.size()) __builtin_trap();
        for (const auto& s : singles)
            for (std::size_t m = 1; m <= 13; ++m)
                if (s.Outcome[m] > 2) __builtin_trap();
        (void)brenvik::clsFileSingle::CsvText(singles, file.Count());
    }
    return 0;
}
