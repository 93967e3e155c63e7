// The tokenizer and the cell and title extraction over any page.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "official/clsHtmlGet.h"
#include "official/clsHtmlToto.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string page(reinterpret_cast<const char*>(data), size);
    brenvik::clsHtmlGet get;
    const int32_t count = get.SetPage(page);
    if (count != get.Count()) __builtin_trap();
    std::vector<std::string> cells;
    get.GetTextData(cells);
    (void)get.GetHtmlTitle();
    // The cell readers see whatever the cells hold.
    brenvik::clsHtmlToto toto;
    for (std::size_t i = 0; i < cells.size() && i < 64; ++i) {
        std::string cell = cells[i];
        brenvik::Currency a, b;
        brenvik::DateTime d1, d2;
        bool final = false;
        toto.GetValue2(cell, a, b);
        toto.StringToDateEx(cell);
        toto.StringToDateEx2(cell);
        toto.DateString2(cell, d1, d2);
        toto.GetStringToDateNow(cell, d1, final);
        int32_t round = 0;
        try {
            toto.GetKaisaikai(cell, round, "toto");
        } catch (const std::exception&) {
            // A heading without a number between "第" and "回" is the page reader's error.
        }
    }
    return 0;
}
