// Arbitrary bytes as a vote cache file, or (first byte odd) as the vote block of a data file.
#include <cstddef>
#include <cstdint>
#include <string>

#include "app/Cp932.h"
#include "official/clsXmlVote.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const bool header = (data[0] & 1) == 0;
    const std::string text =
        brenvik::cp932::toUtf8(std::string(reinterpret_cast<const char*>(data) + 1, size - 1));
    brenvik::clsXmlVote xml;
    if (xml.SetXmlString(text, header)) {
        brenvik::clsXmlVote again;
        (void)again.SetXmlString(xml.GetXmlString(header), header);
    }
    return 0;
}
