#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace brenvik {

// One item of a page: a tag, a comment piece or a piece of text, in page order.
struct HtmlItem {
    std::string Text;  // as it stood in the page, normalised (blanks, entities)
    bool IsTag = false;
    bool IsEndTag = false;
    bool IsComment = false;
    bool InBody = false;  // between the body start and end tags (both outside)
    // Tag name without "/"; the inner text of a one-item comment; the text of a text item.
    std::string Name;
    // The tag content split at each blank; entry 0 is the name as written (with its "/").
    std::vector<std::string> Attributes;
    int32_t AttributeCount = 0;  // last index of Attributes
};

// The tokenizer: page text to a flat item list, without an HTML library.
class clsHtmlData {
  public:
    // Cuts and classifies the page; keeps the items; returns their number.
    int32_t GetHtmlData(const std::string& strHtml);
    // The kept items, 0-based: element i - 1 is item i.
    const std::vector<HtmlItem>& Items() const { return items_; }
    std::vector<HtmlItem> TakeItems() { return std::move(items_); }

  private:
    std::vector<HtmlItem> items_;
};

}  // namespace brenvik
