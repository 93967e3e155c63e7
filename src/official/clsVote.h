#pragma once
#include <cstdint>
#include <memory>
#include <string>

#include "app/Messages.h"
#include "official/FalseMessage.h"
#include "official/VoteRecord.h"
#include "official/clsXmlVote.h"

namespace brenvik {

class OwnerWindow;
class clsHtmlVote;

// The vote status store: the cache holds only final figures; figures taken during the sale
// live in the current record alone.
class clsVote {
  public:
    clsVote();
    ~clsVote();
    clsVote(const clsVote&) = delete;
    clsVote& operator=(const clsVote&) = delete;

    void Initialize(OwnerWindow* objOwnerForm);
    bool Cancel() const;
    bool Unpublished() const;
    bool ProgressOpen() const { return progressOpen_; }
    void ProgressOpen(bool value) { progressOpen_ = value; }
    bool ProgressClose() const { return progressClose_; }
    void ProgressClose(bool value) { progressClose_ = value; }

    bool CheckVoteFile(int32_t Kaisai, const std::string& Kumi) const;
    // DType as for the schedule; true when the resulting record is valid.
    bool GetVote(int32_t Kaisai, const std::string& Kumi, int32_t DType, bool blnDQuestion);
    void FalseDialog(int32_t Kaisai) const;
    // A file of the older layout, SysData/Vote/vote_NNN_yyyy-mm-dd.xml, into the current
    // record; false when it is absent or unreadable.
    bool GetOldVoteFile(int32_t Kaisai, DateTime SEndTime);

    VoteRecord Vote() const;

    static bool IsValid(const VoteRecord& record);
    static FalseMessage FalseDialogMessage(int32_t Kaisai, bool blnUnpublished);

  private:
    clsHtmlVote& reader();

    bool initialized_ = false;
    OwnerWindow* owner_ = nullptr;
    std::string folder_;
    VoteRecord record_;
    bool cancel_ = false;
    bool unpublished_ = false;
    bool progressOpen_ = true;
    bool progressClose_ = true;
    clsXmlVote xml_;
    std::unique_ptr<clsHtmlVote> html_;  // made at the first download
    ErrorReport report_{"clsVote"};
};

}  // namespace brenvik
