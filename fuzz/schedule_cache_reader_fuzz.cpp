// Arbitrary bytes as a schedule cache file (CP932 on disk): read, written again, read again.
#include <cstddef>
#include <cstdint>
#include <string>

#include "app/Cp932.h"
#include "official/clsXmlSchedule.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const std::string text =
        brenvik::cp932::toUtf8(std::string(reinterpret_cast<const char*>(data), size));
    brenvik::clsXmlSchedule xml;
    if (xml.SetXmlString(text)) {
        brenvik::clsXmlSchedule again;
        (void)again.SetXmlString(xml.GetXmlString());
    }
    return 0;
}
