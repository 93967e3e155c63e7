// Arbitrary bytes into the multi file reader: every mark it accepts is a state the multi knows.
#include <cstddef>
#include <cstdint>
#include <string>

#include "files/TextFile.h"
#include "files/clsFileMulti.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    brenvik::clsFileMulti file;
    if (file.LoadMultiText(brenvik::textfile::fromFileBytes(bytes), "fuzz.qel")) {
        for (const uint8_t mark : file.Data().Marks)
            if (mark > 3) __builtin_trap();
    }
    return 0;
}
