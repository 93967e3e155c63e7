#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "app/Messages.h"
#include "app/clsFileStream.h"
#include "official/clsHtmlData.h"
#include "official/clsWinInet.h"

namespace brenvik {

// An official page as text cells: fetch (or load) a page, tokenize it, keep its items.
class clsHtmlGet {
  public:
    bool ProgressOpen() const { return net_.ProgressOpen(); }
    void ProgressOpen(bool value) { net_.ProgressOpen(value); }
    bool ProgressClose() const { return net_.ProgressClose(); }
    void ProgressClose(bool value) { net_.ProgressClose(value); }
    const std::string& ProgressDialogMessage() const { return net_.ProgressDialogMessage(); }
    void ProgressDialogMessage(const std::string& value) { net_.ProgressDialogMessage(value); }

    int32_t Count() const { return static_cast<int32_t>(items_.size()); }
    const std::string& Url() const { return url_; }

    // Fetches the page (bytCode as clsWinInet::GetHttpDataString) and tokenizes it; the number
    // of items, 0 when nothing came.
    int32_t GetHttp(const std::string& strUrl, const std::string& strProxy,
                    OwnerWindow* objOwnerForm, uint8_t bytCode);
    // The same from a local file (read as CP932 text).
    int32_t GetFile(const std::string& strFileName);
    // The same from page text already in memory (a saved UTF-8 page), as a fetch would.
    int32_t SetPage(const std::string& strText);
    bool SaveToFile(const std::string& strFileName);

    // The text cells of the page body. 0-based: element i - 1 is cell i. Returns their number.
    int32_t GetTextData(std::vector<std::string>& strList) const;
    std::string GetHtmlTitle() const;

    // Downloads the address as bytes and writes them unchanged when at least one came.
    bool SaveToImage(const std::string& strFileName, const std::string& strUrl,
                     const std::string& strProxy, OwnerWindow* objOwnerForm);

    // Joins a relative address to a base address ("http://" result).
    static std::string GetPlusAddrees(const std::string& Addrees1, const std::string& Addrees2);

    // Item lngIndex from 1 to Count(); an empty item for any other index.
    HtmlItem Item(int32_t lngIndex) const;
    const std::vector<HtmlItem>& Items() const { return items_; }
    const std::string& PageText() const { return page_; }

    // The transport, for its time-outs and its last error.
    clsWinInet& WinInet() { return net_; }

  private:
    void clear();
    int32_t tokenize(const std::string& strText);

    clsWinInet net_;
    clsHtmlData html_;
    clsFileStream file_;
    std::string url_;
    std::string page_;
    std::vector<HtmlItem> items_;
    ErrorReport report_{"clsHtmlGet"};
};

// The cells and title rules on an item list (clsHtmlGet's, exposed for tests and fuzzing).
int32_t HtmlTextCells(const std::vector<HtmlItem>& items, std::vector<std::string>& strList);
std::string HtmlTitle(const std::vector<HtmlItem>& items);

}  // namespace brenvik
