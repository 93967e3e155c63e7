// Arbitrary bytes as a result cache file: read, written again, read again.
#include <cstddef>
#include <cstdint>
#include <string>

#include "app/Cp932.h"
#include "official/clsXmlResult.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const std::string text =
        brenvik::cp932::toUtf8(std::string(reinterpret_cast<const char*>(data), size));
    brenvik::clsXmlResult xml;
    if (xml.SetXmlString(text)) {
        brenvik::clsXmlResult again;
        (void)again.SetXmlString(xml.GetXmlString());
    }
    return 0;
}
