#include "official/clsHtmlData.h"

#include <string_view>

#include "app/Utf8.h"

namespace brenvik {

namespace {

void replaceAll(std::string& text, std::string_view from, std::string_view to) {
    if (text.find(from) == std::string::npos) return;
    std::string out;
    out.reserve(text.size());
    std::size_t pos = 0;
    for (std::size_t hit; (hit = text.find(from, pos)) != std::string::npos;
         pos = hit + from.size()) {
        out.append(text, pos, hit - pos);
        out.append(to);
    }
    out.append(text, pos, std::string::npos);
    text = std::move(out);
}

// Control characters to blanks, blank runs to one blank, the six entities, then trimmed.
// Works on bytes: every character it looks at is ASCII, and UTF-8 never hides one.
std::string normalise(std::string_view raw) {
    std::string text;
    text.reserve(raw.size());
    for (char ch : raw) {
        const char c = static_cast<unsigned char>(ch) < 32 ? ' ' : ch;
        if (c == ' ' && !text.empty() && text.back() == ' ') continue;
        text.push_back(c);
    }
    replaceAll(text, "&lt;", "<");
    replaceAll(text, "&gt;", ">");
    replaceAll(text, "&quot;", "\"");
    replaceAll(text, "&amp;", "&");
    replaceAll(text, "&#169;", "(c)");
    replaceAll(text, "&#174;", "(r)");
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    const std::size_t last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

bool startsWith(std::string_view s, std::string_view p) {
    return s.substr(0, p.size()) == p;
}
bool endsWith(std::string_view s, std::string_view p) {
    return s.size() >= p.size() && s.substr(s.size() - p.size()) == p;
}

std::vector<std::string> splitBlanks(std::string_view text) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (;;) {
        const std::size_t blank = text.find(' ', start);
        if (blank == std::string_view::npos) {
            parts.emplace_back(text.substr(start));
            return parts;
        }
        parts.emplace_back(text.substr(start, blank - start));
        start = blank + 1;
    }
}

}  // namespace

int32_t clsHtmlData::GetHtmlData(const std::string& strHtml) {
    items_.clear();

    // Pass 1: cut into tags and text pieces.
    // Each piece remembers whether it was cut as a tag: a text piece that begins with "<" once
    // "&lt;" is replaced is still text.
    struct Piece {
        std::string text;
        bool tag;
    };
    std::vector<Piece> raw;
    bool inTag = false;
    bool inText = false;
    std::size_t start = 0;
    for (std::size_t i = 0; i < strHtml.size(); ++i) {
        const char c = strHtml[i];
        if (inTag) {
            if (c == '>') {
                raw.push_back(
                    {normalise(std::string_view(strHtml).substr(start, i - start + 1)), true});
                inTag = false;
            }
        } else if (c == '<') {
            if (inText) {
                raw.push_back(
                    {normalise(std::string_view(strHtml).substr(start, i - start)), false});
                inText = false;
            }
            inTag = true;
            start = i;
        } else if (!inText) {
            inText = true;
            start = i;
        }
    }

    // Pass 2: classify, tracking comments and the body.
    bool inComment = false;
    bool inBody = false;
    for (Piece& piece : raw) {
        if (piece.text.empty()) continue;
        HtmlItem item;
        item.Text = std::move(piece.text);
        const std::string& t = item.Text;
        if (inComment) {
            item.IsComment = true;
            if (t.find("-->") != std::string::npos) inComment = false;
            items_.push_back(std::move(item));
            continue;
        }
        if (piece.tag) {
            item.IsTag = true;
            if (startsWith(t, "<!--")) {
                item.IsComment = true;
                if (endsWith(t, "-->") && t.size() >= 7)
                    item.Name = utf8::trim(std::string_view(t).substr(4, t.size() - 7));
                else if (!endsWith(t, "-->"))
                    inComment = true;
            } else {
                item.Attributes = splitBlanks(std::string_view(t).substr(1, t.size() - 2));
                item.Name = item.Attributes[0];
                item.AttributeCount = static_cast<int32_t>(item.Attributes.size()) - 1;
            }
            if (!item.Name.empty() && item.Name[0] == '/') {
                item.Name.erase(0, 1);
                item.IsEndTag = true;
            }
        } else {
            item.Name = t;
        }
        const bool bodyTag =
            item.IsTag && !item.IsComment && utf8::equalsIgnoreCase(item.Name, "body");
        if (bodyTag && item.IsEndTag) inBody = false;
        item.InBody = inBody;
        if (bodyTag && !item.IsEndTag) inBody = true;
        items_.push_back(std::move(item));
    }
    return static_cast<int32_t>(items_.size());
}

}  // namespace brenvik
