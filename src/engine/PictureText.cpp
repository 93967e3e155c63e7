#include "engine/PictureText.h"

namespace brenvik {

namespace {

// Length of the UTF-8 sequence starting at `pos`; a stray byte counts alone.
std::size_t sequenceLength(std::string_view text, std::size_t pos) {
    std::size_t end = pos + 1;
    while (end < text.size() && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80 &&
           end - pos < 4)
        ++end;
    return end - pos;
}

}  // namespace

void PictureText::Cls() {
    tokens_.clear();
    prints_.clear();
    colour_ = 0;
}

void PictureText::CPrint(std::string_view strText) {
    prints_.emplace_back(strText);
    if (strText.empty()) {
        tokens_.push_back({colour_, {}, true});
        return;
    }
    std::size_t pos = 0;
    while (pos < strText.size()) {
        if (strText[pos] != '\\') {
            const std::size_t len = sequenceLength(strText, pos);
            tokens_.push_back({colour_, std::string(strText.substr(pos, len)), false});
            pos += len;
            continue;
        }
        if (pos + 1 >= strText.size()) break;  // a lone "\" at the end
        const char code = strText[pos + 1];
        if (code == '/') {
            tokens_.push_back({colour_, {}, true});
        } else if (code >= '0' && code <= '9') {
            colour_ = code - '0';
        }
        // Anything else is dropped with its backslash.
        pos += 1 + sequenceLength(strText, pos + 1);
    }
}

std::vector<PictureTextLine> PictureText::Lines() const {
    std::vector<PictureTextLine> lines;
    PictureTextLine line;
    bool open = false;
    for (const auto& token : tokens_) {
        if (token.lineBreak) {
            lines.push_back(std::move(line));
            line.clear();
            open = false;
            continue;
        }
        if (!line.empty() && line.back().colour == token.colour)
            line.back().text += token.text;
        else
            line.push_back({token.colour, token.text});
        open = true;
    }
    if (open) lines.push_back(std::move(line));
    return lines;
}

std::vector<PictureTextPlacement> PictureText::Layout(
    int32_t width, const std::function<int32_t(const std::string&)>& measure) const {
    std::vector<PictureTextPlacement> placed;
    int32_t line = 0;
    int32_t x = left_;
    for (std::size_t i = 0; i < tokens_.size(); ++i) {
        const auto& token = tokens_[i];
        if (token.lineBreak) {
            ++line;
            x = left_;
            continue;
        }
        const int32_t w = measure(token.text);
        if (x > left_ && x + w > width) {
            ++line;
            x = left_;
        }
        placed.push_back({i, line, x});
        x += w;
    }
    return placed;
}

}  // namespace brenvik
