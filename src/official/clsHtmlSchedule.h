#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "app/Messages.h"
#include "lottery/clsTotoData.h"
#include "official/ScheduleRecord.h"
#include "official/clsHtmlGet.h"
#include "official/clsHtmlToto.h"

namespace brenvik {

// Reads a round's schedule from the operator's round information page.
class clsHtmlSchedule {
  public:
    // Takes the address base from the site settings.
    clsHtmlSchedule();

    bool ProgressOpen() const { return html_.ProgressOpen(); }
    void ProgressOpen(bool value) { html_.ProgressOpen(value); }
    bool ProgressClose() const { return html_.ProgressClose(); }
    void ProgressClose(bool value) { html_.ProgressClose(value); }
    // The last read found no schedule of the round on the page.
    bool Unpublished() const { return unpublished_; }

    // Fetches the round's page and reads it; true when the page gave a schedule (complete or
    // not: the store judges that).
    bool GetSchedule(int32_t Kaisai, const std::string& Kumi, OwnerWindow* objOwnerForm);
    // The same read on page text already at hand (a saved UTF-8 page).
    bool ReadPage(const std::string& strHtml, int32_t Kaisai, const std::string& Kumi);
    // The same read on the page's text cells (0-based: element i - 1 is cell i).
    bool ReadCells(const std::vector<std::string>& strList, int32_t Kaisai,
                   const std::string& Kumi);

    const ScheduleRecord& Schedule() const { return record_; }

  private:
    bool readCells(const std::vector<std::string>& cells, int32_t Kaisai, const std::string& Kumi);

    clsHtmlGet html_;
    clsHtmlToto toto_;
    clsTotoData teamNames_;
    std::string urlBase_;
    ScheduleRecord record_;
    bool unpublished_ = false;
    ErrorReport report_{"clsHtmlSchedule"};
};

}  // namespace brenvik
