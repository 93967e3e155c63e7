#include "official/clsHtmlGet.h"

#include "app/RuntimeError.h"
#include "app/Utf8.h"

namespace brenvik {

namespace {

// Blanks, ideographic blanks and tabs out of a name.
void removeBlanks(std::string& name) {
    std::string out;
    out.reserve(name.size());
    for (std::size_t i = 0; i < name.size(); ++i) {
        const char c = name[i];
        if (c == ' ' || c == '\t') continue;
        if (name.compare(i, 3, "\xE3\x80\x80") == 0) {
            i += 2;
            continue;
        }
        out.push_back(c);
    }
    name = std::move(out);
}

std::vector<std::string> split(const std::string& text, char sep) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (std::size_t hit; (hit = text.find(sep, start)) != std::string::npos; start = hit + 1)
        parts.push_back(text.substr(start, hit - start));
    parts.push_back(text.substr(start));
    return parts;
}

}  // namespace

int32_t HtmlTextCells(const std::vector<HtmlItem>& items, std::vector<std::string>& strList) {
    strList.clear();
    bool join = false;
    for (const HtmlItem& item : items) {
        if (!item.InBody) continue;
        if (item.IsTag) {
            join = utf8::length(item.Name) == 2 && utf8::equalsIgnoreCase(item.Name, "BR");
        } else if (!join) {
            strList.push_back(item.Name);
        } else if (!strList.empty()) {
            strList.back() += item.Name;
        }
    }
    return static_cast<int32_t>(strList.size());
}

std::string HtmlTitle(const std::vector<HtmlItem>& items) {
    std::string title;
    bool collecting = false;
    for (const HtmlItem& item : items) {
        if (item.InBody) continue;
        const bool titleTag =
            item.IsTag && !item.IsComment && utf8::equalsIgnoreCase(item.Name, "title");
        if (titleTag && item.IsEndTag) collecting = false;
        if (collecting) title += item.Text;
        if (titleTag && !item.IsEndTag) collecting = true;
    }
    return title;
}

void clsHtmlGet::clear() {
    page_.clear();
    items_.clear();
}

int32_t clsHtmlGet::tokenize(const std::string& strText) {
    page_ = strText;
    html_.GetHtmlData(page_);
    items_ = html_.TakeItems();
    for (HtmlItem& item : items_) removeBlanks(item.Name);
    return Count();
}

int32_t clsHtmlGet::GetHttp(const std::string& strUrl, const std::string& strProxy,
                            OwnerWindow* objOwnerForm, uint8_t bytCode) {
    clear();
    if (!net_.Connection()) return 0;
    url_ = strUrl;
    return tokenize(net_.GetHttpDataString(strUrl, strProxy, objOwnerForm, bytCode));
}

int32_t clsHtmlGet::GetFile(const std::string& strFileName) {
    clear();
    std::string text;
    if (file_.LoadFromFile(strFileName, text)) tokenize(text);
    return Count();
}

int32_t clsHtmlGet::SetPage(const std::string& strText) {
    clear();
    return tokenize(utf8::sanitize(strText));
}

bool clsHtmlGet::SaveToFile(const std::string& strFileName) {
    return file_.SaveToFile(strFileName, page_);
}

int32_t clsHtmlGet::GetTextData(std::vector<std::string>& strList) const {
    return HtmlTextCells(items_, strList);
}

std::string clsHtmlGet::GetHtmlTitle() const {
    return HtmlTitle(items_);
}

bool clsHtmlGet::SaveToImage(const std::string& strFileName, const std::string& strUrl,
                             const std::string& strProxy, OwnerWindow* objOwnerForm) {
    try {
        std::string bytes;
        if (net_.GetHttpData(strUrl, bytes, strProxy, objOwnerForm) <= 0) return false;
        return file_.SaveToBinaryFile(strFileName, bytes);
    } catch (const RuntimeError& e) {
        report_.error("SaveToImage", e);
    } catch (const std::exception& e) {
        report_.error("SaveToImage", e);
    }
    return false;
}

std::string clsHtmlGet::GetPlusAddrees(const std::string& Addrees1, const std::string& Addrees2) {
    // The scheme of the base is kept (the classic join knew only http).
    std::string scheme = "http://";
    std::string base = Addrees1;
    if (utf8::startsWithIgnoreCase(base, "http://")) {
        base.erase(0, 7);
    } else if (utf8::startsWithIgnoreCase(base, "https://")) {
        base.erase(0, 8);
        scheme = "https://";
    }
    const std::vector<std::string> baseParts = split(base, '/');
    if (!Addrees2.empty() && Addrees2[0] == '/') return scheme + baseParts[0] + Addrees2;

    long d = static_cast<long>(baseParts.size()) - 1;  // the document name is dropped
    std::string result;
    for (const std::string& part : split(Addrees2, '/')) {
        if (part == "..") {
            --d;
            continue;
        }
        if (result.empty()) {
            if (d <= 0) {
                result = baseParts[0] + "/";
            } else {
                for (long i = 0; i < d; ++i) result += baseParts[static_cast<std::size_t>(i)] + "/";
            }
        }
        result += part + "/";
    }
    if (!result.empty()) result.pop_back();
    return scheme + result;
}

HtmlItem clsHtmlGet::Item(int32_t lngIndex) const {
    if (lngIndex < 1 || lngIndex > Count()) return {};
    return items_[static_cast<std::size_t>(lngIndex - 1)];
}

}  // namespace brenvik
