#include "engine/clsPattern.h"

#include "app/RuntimeError.h"
#include "engine/basPattern.h"

namespace brenvik {

int32_t clsPattern::GetDoubleTriple(int32_t D, int32_t T) {
    try {
        return basPattern::CombinationCount(D, T);
    } catch (const std::exception& e) {
        report_.error("GetDoubleTriple", e);
    }
    return 0;
}

int64_t clsPattern::GetCombinationCount(int32_t m, int32_t n) {
    try {
        if (n < 0 || m < 0 || n > m) return 0;
        // Products of up to 13 factors stay far inside 64 bits; larger ones are refused.
        if (n > 20) err::raise(err::Overflow);
        int64_t num = 1;
        int64_t den = 1;
        for (int32_t i = 0; i < n; ++i) {
            if (num > INT64_MAX / (m - i)) err::raise(err::Overflow);
            num *= m - i;
            den *= i + 1;
        }
        return num / den;
    } catch (const std::exception& e) {
        report_.error("GetCombinationCount", e);
    }
    return 0;
}

CodeMatrix clsPattern::GetMultiPatternEx(int32_t D, int32_t T, int32_t N) {
    CodeMatrix m;
    try {
        if (D < 0 || T < 0) err::raise(err::InvalidCall);
        if (D + T > 13) err::raise(err::OutOfMemory);
        const int32_t total = basPattern::CombinationCount(D, T);
        const int32_t columns = D + T;
        const int32_t minZeros = columns - N;
        m.Columns = columns;
        m.Cells.reserve(static_cast<std::size_t>(total) * static_cast<std::size_t>(columns));
        // Count through the code list in order: doubles in base 2, then triples in base 3.
        std::vector<uint8_t> code(static_cast<std::size_t>(columns), 0);
        int32_t zeros = columns;
        for (int32_t c = 0; c < total; ++c) {
            if (N == 0 || zeros >= minZeros) {
                m.Cells.insert(m.Cells.end(), code.begin(), code.end());
                ++m.Rows;
            }
            for (int32_t i = columns; i-- > 0;) {
                const uint8_t radix = i < D ? 2 : 3;
                auto& digit = code[static_cast<std::size_t>(i)];
                if (digit == 0) --zeros;
                if (++digit < radix) break;
                digit = 0;
                ++zeros;
            }
        }
        return m;
    } catch (const std::exception& e) {
        report_.error("GetMultiPatternEx", e);
    }
    return {};
}

std::vector<std::string> clsPattern::GetByteToString(const CodeMatrix& codes) {
    std::vector<std::string> out;
    out.reserve(static_cast<std::size_t>(codes.Rows));
    for (int32_t r = 0; r < codes.Rows; ++r) {
        std::string s(static_cast<std::size_t>(codes.Columns), '0');
        for (int32_t c = 0; c < codes.Columns; ++c) {
            s[static_cast<std::size_t>(c)] = static_cast<char>('0' + codes.at(r, c));
        }
        out.push_back(std::move(s));
    }
    return out;
}

CodeMatrix clsPattern::GetStrToByte(const std::string& strCodes) {
    try {
        const auto texts = basPattern::SplitCodes(strCodes);
        CodeMatrix m;
        if (texts.empty()) return m;
        m.Columns = static_cast<int32_t>(texts.front().size());
        m.Rows = static_cast<int32_t>(texts.size());
        m.Cells.reserve(texts.size() * texts.front().size());
        for (const std::string& t : texts) {
            for (std::size_t c = 0; c < texts.front().size(); ++c) {
                // A missing or foreign character is the classic type mismatch.
                if (c >= t.size() || t[c] < '0' || t[c] > '9') err::raise(err::TypeMismatch);
                m.Cells.push_back(static_cast<uint8_t>(t[c] - '0'));
            }
        }
        return m;
    } catch (const std::exception& e) {
        report_.error("GetStrToByte", e);
    }
    return {};
}

std::vector<uint8_t> clsPattern::digits(const char* procedure, int32_t base, int32_t value,
                                        int32_t width) {
    if (value < 0 || width < 1) {
        report_.message(procedure, "値が異常です\r\nValue = " + std::to_string(value) +
                                       " Bit=" + std::to_string(width));
        return {};
    }
    std::vector<uint8_t> d(static_cast<std::size_t>(width), 0);
    for (std::size_t i = 0; i < d.size() && value > 0; ++i) {
        d[i] = static_cast<uint8_t>(value % base);
        value /= base;
    }
    return d;
}

std::vector<uint8_t> clsPattern::Get2Sin(int32_t value, int32_t width) {
    return digits("Get2Sin", 2, value, width);
}

std::vector<uint8_t> clsPattern::Get3Sin(int32_t value, int32_t width) {
    return digits("Get3Sin", 3, value, width);
}

}  // namespace brenvik
