#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "app/Messages.h"
#include "official/ResultRecord.h"
#include "official/clsHtmlGet.h"
#include "official/clsHtmlToto.h"

namespace brenvik {

// Reads a round's result from the operator's result page.
class clsHtmlResult {
  public:
    // Takes the address base from the site settings.
    clsHtmlResult();

    bool ProgressOpen() const { return html_.ProgressOpen(); }
    void ProgressOpen(bool value) { html_.ProgressOpen(value); }
    bool ProgressClose() const { return html_.ProgressClose(); }
    void ProgressClose(bool value) { html_.ProgressClose(value); }
    // The last read found no result of the round on the page.
    bool Unpublished() const { return unpublished_; }

    bool GetResult(int32_t Kaisai, const std::string& Kumi, OwnerWindow* objOwnerForm);
    bool ReadPage(const std::string& strHtml, const std::string& Kumi);
    // The read on the page's text cells (0-based: element i - 1 is cell i).
    bool ReadCells(const std::vector<std::string>& strList, const std::string& Kumi);

    const ResultRecord& Result() const { return record_; }

  private:
    bool readCells(const std::vector<std::string>& cells, const std::string& Kumi);

    clsHtmlGet html_;
    clsHtmlToto toto_;
    std::string urlBase_;
    ResultRecord record_;
    bool unpublished_ = false;
    ErrorReport report_{"clsHtmlResult"};
};

}  // namespace brenvik
