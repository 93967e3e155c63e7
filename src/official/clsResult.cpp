#include "official/clsResult.h"

#include <exception>

#include "app/clsFileSystemObject.h"
#include "lottery/clsToto.h"
#include "official/clsHtmlResult.h"
#include "official/clsWinInet.h"

namespace brenvik {

clsResult::clsResult() = default;
clsResult::~clsResult() = default;

void clsResult::Initialize(OwnerWindow* objOwnerForm) {
    owner_ = objOwnerForm;
    initialized_ = true;
}

bool clsResult::Cancel() const {
    if (!initialized_) {
        report_.notInitialized("Cancel");
        return false;
    }
    return cancel_;
}

bool clsResult::Unpublished() const {
    if (!initialized_) {
        report_.notInitialized("Unpublished");
        return false;
    }
    return unpublished_;
}

clsHtmlResult& clsResult::reader() {
    if (!html_) html_ = std::make_unique<clsHtmlResult>();
    html_->ProgressOpen(progressOpen_);
    html_->ProgressClose(progressClose_);
    return *html_;
}

bool clsResult::CheckResultFile(int32_t Kaisai, const std::string& Kumi) const {
    return clsFileSystemObject().FileExists(xml_.GetFileName(Kaisai, Kumi));
}

FalseMessage clsResult::FalseDialogMessage(int32_t Kaisai, bool blnUnpublished) {
    if (blnUnpublished)
        return {MessageIcon::Information, " くじ結果",
                "第" + std::to_string(Kaisai) + "回 くじ結果は発表されていません。"};
    return {MessageIcon::Warning, " くじ結果", "インターネットよりダウンロードに失敗しました。"};
}

void clsResult::FalseDialog(int32_t Kaisai) const {
    if (cancel_) return;
    const FalseMessage m = FalseDialogMessage(Kaisai, unpublished_);
    messages().show(m.icon, m.title, m.text);
}

bool clsResult::GetResult(int32_t Kaisai, const std::string& Kumi, int32_t DType, bool DQuestion) {
    if (!initialized_) {
        report_.notInitialized("GetResult");
        return false;
    }
    cancel_ = unpublished_ = false;
    ResultRecord rec;
    try {
        if (Kaisai > 0) {
            bool read = false;
            if ((DType & 1) != 0 && xml_.XmlLoad(xml_.GetFileName(Kaisai, Kumi))) {
                rec = xml_.Result();
                read = true;
            }
            if (!read && (DType & 2) != 0) {
                if (!DownloadQuestion("くじ結果", DQuestion)) {
                    cancel_ = true;
                } else {
                    clsHtmlResult& html = reader();
                    if (html.GetResult(Kaisai, Kumi, owner_)) {
                        rec = html.Result();
                        const std::string name = xml_.GetFileName(rec.Kaisaikai, rec.Group);
                        if (IsValid(rec) && !clsFileSystemObject().FileExists(name)) {
                            xml_.Result(rec);
                            xml_.XmlSave(name);
                        }
                    }
                    unpublished_ = html.Unpublished();
                }
            }
        }
    } catch (const std::exception& e) {
        report_.error("GetResult", e);
    }
    record_ = rec;
    return IsValid(record_);
}

ResultRecord clsResult::Result() const {
    if (!initialized_) {
        report_.notInitialized("Result");
        return {};
    }
    return record_;
}

bool clsResult::IsValid(const ResultRecord& r) {
    if (r.Kaisaikai <= 0) return false;
    for (std::size_t m = 1; m <= 13; ++m) {
        const ResultMatch& x = r.Matches[m];
        if (x.Home.empty() || x.Away.empty() || x.Stadium.empty()) return false;
        if (x.HomeScore > 30 || x.AwayScore > 30 || x.LotResult > 3) return false;
    }
    if (r.CalledOff) return true;
    const int32_t grades = clsToto().GetMaxGrade(r.Kaisaikai);
    const Currency zero;
    for (int32_t g = 1; g <= grades && g <= 3; ++g) {
        const auto i = static_cast<std::size_t>(g);
        if (r.Prize[i] < zero || r.Winners[i] < zero || r.CarryOver[i] < zero) return false;
    }
    return !(r.SaleStart.isZero() || r.SaleEnd.isZero() || r.ResultDate.isZero() ||
             r.PayoutStart.isZero() || r.PayoutDeadline.isZero());
}

}  // namespace brenvik
