// Arbitrary bytes into both settings readers: the general name-and-value reader and the
// reader of Brenvik.ini. Neither may crash, hang or grow without bound.
#include <cstddef>
#include <cstdint>
#include <string>

#include "app/Cp932.h"
#include "app/basIniFile.h"
#include "app/clsIniFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const std::string text = brenvik::cp932::toUtf8(bytes);

    brenvik::clsIniFile ini;
    ini.InitializeFromText(text);
    if (!ini.Pairs().empty()) {
        const auto& [name, value] = ini.Pairs().front();
        if (ini.GetItem(name, "") != value || !ini.KeyExists(value)) __builtin_trap();
    }

    brenvik::basIniFile::MemoryInitialize();
    brenvik::basIniFile::LoadIniText(text, "SysData/Brenvik.ini");
    // What was read must write out again.
    (void)brenvik::cp932::fromUtf8(brenvik::basIniFile::IniFileText());
    return 0;
}
