#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "app/Messages.h"
#include "official/FalseMessage.h"
#include "official/ScheduleRecord.h"
#include "official/clsXmlSchedule.h"

namespace brenvik {

class OwnerWindow;
class clsHtmlSchedule;

// The schedule store: one round's schedule from the cache or the operator's page, the flags of
// the last look-up, and the not-held marks.
class clsSchedule {
  public:
    clsSchedule();
    ~clsSchedule();
    clsSchedule(const clsSchedule&) = delete;
    clsSchedule& operator=(const clsSchedule&) = delete;

    void Initialize(OwnerWindow* objOwnerForm);
    // The user declined the download in the last GetSchedule.
    bool Cancel() const;
    // The last GetSchedule loaded a not-held mark.
    bool NoGame() const;
    // The last download found no schedule of the round on the page.
    bool Unpublished() const;
    bool ProgressOpen() const { return progressOpen_; }
    void ProgressOpen(bool value) { progressOpen_ = value; }
    bool ProgressClose() const { return progressClose_; }
    void ProgressClose(bool value) { progressClose_ = value; }

    bool CheckScheduleFile(int32_t Kaisai, const std::string& Kumi) const;
    // The round numbers of every cached file, ascending (0-based list); their count.
    int32_t GetScheduleNo(std::vector<int32_t>& lngListNo) const;
    void FalseDialog(int32_t Kaisai) const;
    bool XmlSave_NoGame(int32_t Kaisai, const std::string& Kumi);
    bool XmlDelete_NoGame(int32_t Kaisai, const std::string& Kumi);

    // DType bit 1: the cache; bit 2: download when the cache gave nothing. True when the
    // resulting record is complete.
    bool GetSchedule(int32_t Kaisai, const std::string& Kumi, int32_t DType, bool DQuestion);
    ScheduleRecord Schedule() const;

    static bool IsComplete(const ScheduleRecord& record);
    // The box FalseDialog shows after a failed download (not after a declined one).
    static FalseMessage FalseDialogMessage(int32_t Kaisai, bool blnUnpublished);

  private:
    clsHtmlSchedule& reader();

    bool initialized_ = false;
    OwnerWindow* owner_ = nullptr;
    ScheduleRecord record_;
    bool cancel_ = false;
    bool noGame_ = false;
    bool unpublished_ = false;
    bool progressOpen_ = true;
    bool progressClose_ = true;
    clsXmlSchedule xml_;
    std::unique_ptr<clsHtmlSchedule> html_;  // made at the first download
    ErrorReport report_{"clsSchedule"};
};

}  // namespace brenvik
