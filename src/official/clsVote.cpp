#include "official/clsVote.h"

#include <cstdio>
#include <exception>

#include "app/ProgramFolder.h"
#include "app/clsFileSystemObject.h"
#include "official/clsHtmlVote.h"
#include "official/clsWinInet.h"

namespace brenvik {

clsVote::clsVote() = default;
clsVote::~clsVote() = default;

void clsVote::Initialize(OwnerWindow* objOwnerForm) {
    owner_ = objOwnerForm;
    folder_ = programFolder().join("SysData/toto_Vote");
    initialized_ = true;
}

bool clsVote::Cancel() const {
    if (!initialized_) {
        report_.notInitialized("Cancel");
        return false;
    }
    return cancel_;
}

bool clsVote::Unpublished() const {
    if (!initialized_) {
        report_.notInitialized("Unpublished");
        return false;
    }
    return unpublished_;
}

clsHtmlVote& clsVote::reader() {
    if (!html_) html_ = std::make_unique<clsHtmlVote>();
    html_->ProgressOpen(progressOpen_);
    html_->ProgressClose(progressClose_);
    return *html_;
}

bool clsVote::CheckVoteFile(int32_t Kaisai, const std::string& Kumi) const {
    return clsFileSystemObject().FileExists(xml_.GetFileName(Kaisai, Kumi));
}

bool clsVote::GetVote(int32_t Kaisai, const std::string& Kumi, int32_t DType, bool blnDQuestion) {
    if (!initialized_) {
        report_.notInitialized("GetVote");
        return false;
    }
    cancel_ = unpublished_ = false;
    VoteRecord rec;
    try {
        if (Kaisai > 0) {
            bool read = false;
            if ((DType & 1) != 0 && xml_.XmlLoad(xml_.GetFileName(Kaisai, Kumi))) {
                rec = xml_.Vote();
                read = true;
            }
            if (!read && (DType & 2) != 0) {
                if (!DownloadQuestion("投票状況", blnDQuestion)) {
                    cancel_ = true;
                } else {
                    clsHtmlVote& html = reader();
                    bool final = false;
                    if (html.GetVote(Kaisai, Kumi, owner_, final)) {
                        rec = html.Vote();
                        // Only final figures are kept, and only once.
                        const std::string name = xml_.GetFileName(rec.Kaisaikai, rec.Group);
                        if (final && IsValid(rec) && !clsFileSystemObject().FileExists(name)) {
                            xml_.Vote(rec);
                            xml_.XmlSave(name);
                        }
                    }
                    unpublished_ = html.Unpublished();
                }
            }
        }
    } catch (const std::exception& e) {
        report_.error("GetVote", e);
    }
    record_ = rec;
    return IsValid(record_);
}

FalseMessage clsVote::FalseDialogMessage(int32_t Kaisai, bool blnUnpublished) {
    if (blnUnpublished)
        return {MessageIcon::Information, " 投票状況",
                "第" + std::to_string(Kaisai) + "回 投票状況は発表されていません。"};
    return {MessageIcon::Warning, " 投票状況", "インターネットよりダウンロードに失敗しました。"};
}

void clsVote::FalseDialog(int32_t Kaisai) const {
    if (cancel_) return;
    const FalseMessage m = FalseDialogMessage(Kaisai, unpublished_);
    messages().show(m.icon, m.title, m.text);
}

bool clsVote::GetOldVoteFile(int32_t Kaisai, DateTime SEndTime) {
    try {
        char b[64];
        std::snprintf(b, sizeof b, "SysData/Vote/vote_%03d_%04d-%02d-%02d.xml", Kaisai,
                      SEndTime.year(), SEndTime.month(), SEndTime.day());
        clsXmlVote old;
        if (!old.XmlLoad(programFolder().join(b))) return false;
        record_ = old.Vote();
        return true;
    } catch (const std::exception& e) {
        report_.error("GetOldVoteFile", e);
    }
    return false;
}

VoteRecord clsVote::Vote() const {
    if (!initialized_) {
        report_.notInitialized("Vote");
        return {};
    }
    return record_;
}

namespace {

bool totalsValid(const VoteTotals& t) {
    const Currency zero;
    if (t.Total < zero || t.Multi < zero || t.Single < zero) return false;
    int64_t sum = 0;
    return !__builtin_add_overflow(t.Multi.raw(), t.Single.raw(), &sum) && sum == t.Total.raw();
}

// Sales in yen against bets of 100 yen each.
bool hundredTimes(const Currency& yen, const Currency& bets) {
    int64_t product = 0;
    return !__builtin_mul_overflow(bets.raw(), int64_t{100}, &product) && product == yen.raw();
}

}  // namespace

bool clsVote::IsValid(const VoteRecord& r) {
    if (r.Kaisaikai <= 0 || r.AsOf.serial() <= 0) return false;
    const Currency zero;
    for (int m = 1; m <= 13; ++m) {
        const VoteMatch& x = r.Matches[static_cast<std::size_t>(m)];
        if (x.MatchDate.isZero() || x.Home.empty() || x.Away.empty()) return false;
        int64_t ratios = 0;
        for (const VoteOutcome& o : x.Outcomes) {
            if (o.Votes <= zero || o.Ratio <= zero) return false;
            if (__builtin_add_overflow(ratios, o.Ratio.raw(), &ratios)) return false;
        }
        if (ratios != 100 * Currency::Scale) return false;
    }
    if (!totalsValid(r.SalesAmount) || !totalsValid(r.VoteUnits) || !totalsValid(r.TicketCount))
        return false;
    if (r.SaleStart.isZero() || r.SaleEnd.isZero() || r.ResultDate.isZero() ||
        r.PayoutStart.isZero() || r.PayoutDeadline.isZero())
        return false;
    return hundredTimes(r.SalesAmount.Total, r.VoteUnits.Total) &&
           hundredTimes(r.SalesAmount.Multi, r.VoteUnits.Multi) &&
           hundredTimes(r.SalesAmount.Single, r.VoteUnits.Single);
}

}  // namespace brenvik
