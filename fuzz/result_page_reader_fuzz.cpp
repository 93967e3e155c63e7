// Arbitrary bytes as a result page: no crash, no hang, and a kept record writes out.
#include <cstddef>
#include <cstdint>
#include <string>

#include "official/clsHtmlResult.h"
#include "official/clsXmlResult.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    brenvik::clsHtmlResult reader;
    const std::string page(reinterpret_cast<const char*>(data), size);
    if (reader.ReadPage(page, "")) {
        brenvik::clsXmlResult xml;
        xml.Result(reader.Result());
        (void)brenvik::clsXmlResult().SetXmlString(xml.GetXmlString());
    }
    return 0;
}
