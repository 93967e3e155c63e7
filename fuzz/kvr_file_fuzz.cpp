// Arbitrary bytes into the data file reader: it may refuse them, never crash, hang or size a
// list from a count the file names beyond every single there is.
#include <cstddef>
#include <cstdint>
#include <exception>
#include <string>

#include "files/TextFile.h"
#include "files/clsTFileKVR.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    brenvik::clsTFileKVR kvr;
    try {
        const brenvik::KvrData d = kvr.LoadText(brenvik::textfile::fromFileBytes(bytes));
        if (d.SingleCount < 0 || d.SingleCount > brenvik::clsTFileKVR::MaxSingleCount)
            __builtin_trap();
        // What was read converts to a prediction and writes out again.
        (void)brenvik::clsTFileKVR::ToPrediction(d);
        (void)kvr.SaveText(d);
    } catch (const std::exception&) {
        // Refused: the read error.
    }
    return 0;
}
