#include "app/Utf8.h"

#include <algorithm>

namespace brenvik::utf8 {
namespace {

// Length in bytes of the character at `i`, or 0 when the bytes there are not valid UTF-8.
std::size_t validLength(std::string_view s, std::size_t i) {
    const auto b = static_cast<unsigned char>(s[i]);
    std::size_t n;
    char32_t minimum;
    if (b < 0x80) return 1;
    if (b >= 0xC2 && b <= 0xDF) {
        n = 2;
        minimum = 0x80;
    } else if (b >= 0xE0 && b <= 0xEF) {
        n = 3;
        minimum = 0x800;
    } else if (b >= 0xF0 && b <= 0xF4) {
        n = 4;
        minimum = 0x10000;
    } else
        return 0;
    if (i + n > s.size()) return 0;
    char32_t c = b & (0xFF >> (n + 1));
    for (std::size_t k = 1; k < n; ++k) {
        const auto cb = static_cast<unsigned char>(s[i + k]);
        if ((cb & 0xC0) != 0x80) return 0;
        c = (c << 6) | (cb & 0x3F);
    }
    if (c < minimum || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return 0;
    return n;
}

// Byte offsets of each character start, plus the end.
std::vector<std::size_t> offsets(std::string_view s) {
    std::vector<std::size_t> o;
    o.reserve(s.size() + 1);
    std::size_t i = 0;
    while (i < s.size()) {
        o.push_back(i);
        const std::size_t n = validLength(s, i);
        i += n ? n : 1;
    }
    o.push_back(s.size());
    return o;
}

}  // namespace

std::vector<char32_t> decode(std::string_view s) {
    std::vector<char32_t> out;
    out.reserve(s.size());
    std::size_t i = 0;
    while (i < s.size()) {
        const std::size_t n = validLength(s, i);
        if (n == 0) {
            out.push_back(0xFFFD);
            ++i;
            continue;
        }
        auto b = static_cast<unsigned char>(s[i]);
        char32_t c = n == 1 ? b : (b & (0xFF >> (n + 1)));
        for (std::size_t k = 1; k < n; ++k)
            c = (c << 6) | (static_cast<unsigned char>(s[i + k]) & 0x3F);
        out.push_back(c);
        i += n;
    }
    return out;
}

std::string encode(char32_t c) {
    std::string o;
    if (c < 0x80) {
        o += static_cast<char>(c);
    } else if (c < 0x800) {
        o += static_cast<char>(0xC0 | (c >> 6));
        o += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        o += static_cast<char>(0xE0 | (c >> 12));
        o += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        o += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        o += static_cast<char>(0xF0 | (c >> 18));
        o += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        o += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        o += static_cast<char>(0x80 | (c & 0x3F));
    }
    return o;
}

std::string encode(const std::vector<char32_t>& chars) {
    std::string o;
    o.reserve(chars.size());
    for (char32_t c : chars) o += encode(c);
    return o;
}

bool isValid(std::string_view s) {
    for (std::size_t i = 0; i < s.size();) {
        const std::size_t n = validLength(s, i);
        if (n == 0) return false;
        i += n;
    }
    return true;
}

std::string sanitize(std::string_view s) {
    return isValid(s) ? std::string(s) : encode(decode(s));
}

std::size_t length(std::string_view s) {
    std::size_t count = 0;
    for (std::size_t i = 0; i < s.size(); ++count) {
        const std::size_t n = validLength(s, i);
        i += n ? n : 1;
    }
    return count;
}

std::string mid(std::string_view s, std::size_t start, std::size_t count) {
    if (start < 1) start = 1;
    const auto o = offsets(s);
    const std::size_t chars = o.size() - 1;
    if (start > chars) return {};
    const std::size_t first = start - 1;
    const std::size_t last =
        (count == std::string::npos || count > chars - first) ? chars : first + count;
    return std::string(s.substr(o[first], o[last] - o[first]));
}

std::string left(std::string_view s, std::size_t count) {
    return mid(s, 1, count);
}

std::string right(std::string_view s, std::size_t count) {
    const std::size_t n = length(s);
    if (count >= n) return std::string(s);
    return mid(s, n - count + 1);
}

std::size_t find(std::string_view s, std::string_view what, std::size_t start) {
    if (start < 1) start = 1;
    const auto o = offsets(s);
    const std::size_t chars = o.size() - 1;
    if (start > chars + 1) return 0;
    std::size_t from = o[start - 1];
    while (true) {
        const std::size_t at = s.find(what, from);
        if (at == std::string_view::npos) return 0;
        // A match that starts inside a character (possible when either side holds invalid
        // bytes) is no match: look further.
        const auto it = std::lower_bound(o.begin(), o.end(), at);
        if (*it == at) return static_cast<std::size_t>(it - o.begin()) + 1;
        from = at + 1;
    }
}

std::string trimLeft(std::string_view s) {
    std::size_t i = 0;
    while (i < s.size() && s[i] == ' ') ++i;
    return std::string(s.substr(i));
}

std::string trimRight(std::string_view s) {
    std::size_t n = s.size();
    while (n > 0 && s[n - 1] == ' ') --n;
    return std::string(s.substr(0, n));
}

std::string trim(std::string_view s) {
    return trimRight(trimLeft(s));
}

std::string padLeft(std::string_view s, std::size_t width) {
    const std::size_t n = length(s);
    return n >= width ? std::string(s) : std::string(width - n, ' ') + std::string(s);
}

std::string padRight(std::string_view s, std::size_t width) {
    const std::size_t n = length(s);
    return n >= width ? std::string(s) : std::string(s) + std::string(width - n, ' ');
}

std::string toLowerAscii(std::string_view s) {
    std::string o(s);
    for (char& c : o)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return o;
}

bool equalsIgnoreCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && toLowerAscii(a) == toLowerAscii(b);
}

bool startsWithIgnoreCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() && equalsIgnoreCase(text.substr(0, prefix.size()), prefix);
}

}  // namespace brenvik::utf8
