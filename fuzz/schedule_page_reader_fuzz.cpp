// Arbitrary bytes as a round information page: the reader must take any page (junk, a
// truncated page, a million tiny tags) without a crash or a hang, and what it keeps must
// write out as a cache file that reads back.
#include <cstddef>
#include <cstdint>
#include <string>

#include "official/clsHtmlSchedule.h"
#include "official/clsXmlSchedule.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    static brenvik::clsHtmlSchedule reader;  // the team tables load once
    const std::string page(reinterpret_cast<const char*>(data), size);
    if (reader.ReadPage(page, 1201, "")) {
        brenvik::clsXmlSchedule xml;
        xml.Schedule(reader.Schedule());
        (void)brenvik::clsXmlSchedule().SetXmlString(xml.GetXmlString());
    }
    return 0;
}
