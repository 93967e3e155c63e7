#pragma once
#include <functional>
#include <string>
#include <vector>

#include "app/Clipboard.h"
#include "app/Cp932.h"
#include "app/RuntimeError.h"
#include "app/clsFileStream.h"
#include "engine/MultiTypes.h"
#include "engine/SingleRecord.h"

namespace brenvik::test {

// Installs itself as the clipboard for its lifetime; `calls` keeps the order of the calls.
class ClipboardRecorder final : public Clipboard {
  public:
    ClipboardRecorder() { setClipboard(this); }
    ~ClipboardRecorder() override { setClipboard(nullptr); }
    void clear() override {
        calls.push_back("clear");
        text.clear();
    }
    void setText(const std::string& t) override {
        calls.push_back("setText");
        text = t;
    }
    std::vector<std::string> calls;
    std::string text = "before";
};

inline std::string fixturePath(const std::string& name) {
    return std::string(BRENVIK_TEST_DATA_DIR) + "/files/" + name;
}

inline std::string readBytes(const std::string& path) {
    return clsFileStream::ReadWholeFile(path);
}

// 13 groups of three digits joined by ",": the mark states of outcomes 1, 0, 2 per match.
inline MultiMarks marksOf(const std::string& groups) {
    MultiMarks m{};
    for (std::size_t match = 1; match <= 13; ++match) {
        const std::size_t at = (match - 1) * 4;
        for (std::size_t k = 0; k < 3; ++k)
            m[k * 13 + match] = static_cast<uint8_t>(groups.at(at + k) - '0');
    }
    return m;
}

// Outcomes of matches 1..13 as 13 digits.
inline SingleRecord singleOf(const std::string& digits) {
    SingleRecord s;
    for (std::size_t m = 1; m <= 13; ++m)
        s.Outcome[m] = static_cast<uint8_t>(digits.at(m - 1) - '0');
    return s;
}

inline int errorNumber(const std::function<void()>& f) {
    try {
        f();
    } catch (const RuntimeError& e) {
        return e.number();
    }
    return 0;
}

}  // namespace brenvik::test
