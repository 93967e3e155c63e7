// Arbitrary bytes as a vote status page: no crash, no hang, and a kept record writes out.
#include <cstddef>
#include <cstdint>
#include <string>

#include "official/clsHtmlVote.h"
#include "official/clsXmlVote.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    brenvik::clsHtmlVote reader;
    const std::string page(reinterpret_cast<const char*>(data), size);
    bool final = false;
    if (reader.ReadPage(page, final)) {
        brenvik::clsXmlVote xml;
        xml.Vote(reader.Vote());
        (void)brenvik::clsXmlVote().SetXmlString(xml.GetXmlString(false), false);
    }
    return 0;
}
