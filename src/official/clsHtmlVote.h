#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "app/Messages.h"
#include "official/VoteRecord.h"
#include "official/clsHtmlGet.h"
#include "official/clsHtmlToto.h"

namespace brenvik {

// Reads a round's vote status from the operator's vote page.
class clsHtmlVote {
  public:
    // Takes the two address parts from the site settings.
    clsHtmlVote();

    bool ProgressOpen() const { return html_.ProgressOpen(); }
    void ProgressOpen(bool value) { html_.ProgressOpen(value); }
    bool ProgressClose() const { return html_.ProgressClose(); }
    void ProgressClose(bool value) { html_.ProgressClose(value); }
    // The last read found no vote status (no heading or no as-of note).
    bool Unpublished() const { return unpublished_; }

    // Fetches and reads the page; blnFinal tells whether the figures are those of the end of
    // sale.
    bool GetVote(int32_t Kaisai, const std::string& Kumi, OwnerWindow* objOwnerForm,
                 bool& blnFinal);
    bool ReadPage(const std::string& strHtml, bool& blnFinal);
    // The read on the page's text cells (0-based: element i - 1 is cell i).
    bool ReadCells(const std::vector<std::string>& strList, bool& blnFinal);

    const VoteRecord& Vote() const { return record_; }

  private:
    bool readCells(const std::vector<std::string>& cells, bool& blnFinal);

    clsHtmlGet html_;
    clsHtmlToto toto_;
    std::string voteUrl_;
    std::string totoUrl_;
    VoteRecord record_;
    bool unpublished_ = false;
    ErrorReport report_{"clsHtmlVote"};
};

}  // namespace brenvik
