#pragma once
#include <cstdint>
#include <string>

namespace brenvik {

// The competitions a match can belong to, numbered from 1.
class clsTGameType {
  public:
    // The competition's text. An index outside 1..Count() raises RuntimeError 9 to the
    // caller, which is expected to be the page reader's own error report.
    std::string Text(int32_t index) const;
    int32_t Count() const;
    // The number whose text equals `text` ignoring letter case; 0 when none does.
    int32_t GetNo(const std::string& text) const;
    bool Exists(const std::string& text) const { return GetNo(text) > 0; }
};

}  // namespace brenvik
