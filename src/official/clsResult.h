#pragma once
#include <cstdint>
#include <memory>
#include <string>

#include "app/Messages.h"
#include "official/FalseMessage.h"
#include "official/ResultRecord.h"
#include "official/clsXmlResult.h"

namespace brenvik {

class OwnerWindow;
class clsHtmlResult;

// The result store: one round's result from the cache or the operator's page, written to the
// cache once, by the first valid download.
class clsResult {
  public:
    clsResult();
    ~clsResult();
    clsResult(const clsResult&) = delete;
    clsResult& operator=(const clsResult&) = delete;

    void Initialize(OwnerWindow* objOwnerForm);
    bool Cancel() const;
    bool Unpublished() const;
    bool ProgressOpen() const { return progressOpen_; }
    void ProgressOpen(bool value) { progressOpen_ = value; }
    bool ProgressClose() const { return progressClose_; }
    void ProgressClose(bool value) { progressClose_ = value; }
    bool CheckResultFile(int32_t Kaisai, const std::string& Kumi) const;
    void FalseDialog(int32_t Kaisai) const;

    // DType as for the schedule; true when the resulting record is valid.
    bool GetResult(int32_t Kaisai, const std::string& Kumi, int32_t DType, bool DQuestion);
    ResultRecord Result() const;

    static bool IsValid(const ResultRecord& record);
    static FalseMessage FalseDialogMessage(int32_t Kaisai, bool blnUnpublished);

  private:
    clsHtmlResult& reader();

    bool initialized_ = false;
    OwnerWindow* owner_ = nullptr;
    ResultRecord record_;
    bool cancel_ = false;
    bool unpublished_ = false;
    bool progressOpen_ = true;
    bool progressClose_ = true;
    clsXmlResult xml_;
    std::unique_ptr<clsHtmlResult> html_;  // made at the first download
    ErrorReport report_{"clsResult"};
};

}  // namespace brenvik
