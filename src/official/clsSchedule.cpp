#include "official/clsSchedule.h"

#include <algorithm>
#include <exception>

#include "app/AppInfo.h"
#include "app/ProgramFolder.h"
#include "app/Utf8.h"
#include "app/clsFileSystemObject.h"
#include "official/clsHtmlSchedule.h"
#include "official/clsWinInet.h"

namespace brenvik {

clsSchedule::clsSchedule() = default;
clsSchedule::~clsSchedule() = default;

void clsSchedule::Initialize(OwnerWindow* objOwnerForm) {
    owner_ = objOwnerForm;
    initialized_ = true;
}

bool clsSchedule::Cancel() const {
    if (!initialized_) {
        report_.notInitialized("Cancel");
        return false;
    }
    return cancel_;
}

bool clsSchedule::NoGame() const {
    if (!initialized_) {
        report_.notInitialized("NoGame");
        return false;
    }
    return noGame_;
}

bool clsSchedule::Unpublished() const {
    if (!initialized_) {
        report_.notInitialized("Unpublished");
        return false;
    }
    return unpublished_;
}

clsHtmlSchedule& clsSchedule::reader() {
    if (!html_) html_ = std::make_unique<clsHtmlSchedule>();
    html_->ProgressOpen(progressOpen_);
    html_->ProgressClose(progressClose_);
    return *html_;
}

bool clsSchedule::CheckScheduleFile(int32_t Kaisai, const std::string& Kumi) const {
    return clsFileSystemObject().FileExists(xml_.GetFileName(Kaisai, Kumi));
}

int32_t clsSchedule::GetScheduleNo(std::vector<int32_t>& lngListNo) const {
    lngListNo.clear();
    try {
        clsFileSystemObject fso;
        std::vector<std::string> files;
        fso.GetFileList(programFolder().join("SysData/toto_Schedule/toto_schedule_*.xml"), files,
                        false);
        for (const std::string& name : files) {
            // "toto_schedule_" is 14 characters; a "." as the 19th means four digits.
            const std::string digits = utf8::mid(name, 15, utf8::mid(name, 19, 1) == "." ? 4 : 3);
            if (digits.empty() || !std::all_of(digits.begin(), digits.end(),
                                               [](char c) { return c >= '0' && c <= '9'; }))
                continue;  // a stray file of the pattern, not one of ours
            lngListNo.push_back(std::stoi(digits));
        }
        std::sort(lngListNo.begin(), lngListNo.end());
    } catch (const std::exception& e) {
        report_.error("GetScheduleNo", e);
    }
    return static_cast<int32_t>(lngListNo.size());
}

FalseMessage clsSchedule::FalseDialogMessage(int32_t Kaisai, bool blnUnpublished) {
    if (blnUnpublished)
        return {MessageIcon::Information, " 開催情報",
                "第" + std::to_string(Kaisai) + "回 開催情報は発表されていません。"};
    return {MessageIcon::Warning, " 開催情報", "インターネットよりダウンロードに失敗しました。"};
}

void clsSchedule::FalseDialog(int32_t Kaisai) const {
    if (cancel_) return;
    const FalseMessage m = FalseDialogMessage(Kaisai, unpublished_);
    messages().show(m.icon, m.title, m.text);
}

bool clsSchedule::XmlSave_NoGame(int32_t Kaisai, const std::string& Kumi) {
    try {
        if (CheckScheduleFile(Kaisai, Kumi)) return false;
        if (!messages().ask(app::Title,
                            "第 " + std::to_string(Kaisai) + " 回を未開催に設定しますか？"))
            return false;
        return xml_.XmlSave_NoGame(Kaisai, Kumi);
    } catch (const std::exception& e) {
        report_.error("XmlSave_NoGame", e);
    }
    return false;
}

bool clsSchedule::XmlDelete_NoGame(int32_t Kaisai, const std::string& Kumi) {
    try {
        if (!CheckScheduleFile(Kaisai, Kumi)) return false;
        if (!messages().ask(app::Title,
                            "第 " + std::to_string(Kaisai) + " 回の未開催を解除しますか？"))
            return false;
        return xml_.XmlDelete_NoGame(Kaisai, Kumi);
    } catch (const std::exception& e) {
        report_.error("XmlDelete_NoGame", e);
    }
    return false;
}

bool clsSchedule::GetSchedule(int32_t Kaisai, const std::string& Kumi, int32_t DType,
                              bool DQuestion) {
    if (!initialized_) {
        report_.notInitialized("GetSchedule");
        return false;
    }
    cancel_ = noGame_ = unpublished_ = false;
    ScheduleRecord rec;
    try {
        if (Kaisai > 0) {
            bool read = false;
            if ((DType & 1) != 0 && xml_.XmlLoad(xml_.GetFileName(Kaisai, Kumi))) {
                rec = xml_.Schedule();
                read = true;
                noGame_ = rec.HoldState == 1;
            }
            if (!read && (DType & 2) != 0) {
                if (!DownloadQuestion("開催情報", DQuestion)) {
                    cancel_ = true;
                } else {
                    clsHtmlSchedule& html = reader();
                    if (html.GetSchedule(Kaisai, Kumi, owner_)) {
                        rec = html.Schedule();
                        // Written once: a cached file (a not-held mark too) is never replaced.
                        const std::string name = xml_.GetFileName(rec.Kaisaikai, rec.Group);
                        if (IsComplete(rec) && !clsFileSystemObject().FileExists(name)) {
                            xml_.Schedule(rec);
                            xml_.XmlSave(name);
                        }
                    }
                    unpublished_ = html.Unpublished();
                }
            }
        }
    } catch (const std::exception& e) {
        report_.error("GetSchedule", e);
    }
    record_ = rec;
    return IsComplete(record_);
}

ScheduleRecord clsSchedule::Schedule() const {
    if (!initialized_) {
        report_.notInitialized("Schedule");
        return ScheduleRecord{};
    }
    return record_;
}

bool clsSchedule::IsComplete(const ScheduleRecord& r) {
    if (r.Kaisaikai < 1) return false;
    for (int m = 1; m <= 13; ++m) {
        const ScheduleMatch& x = r.Matches[static_cast<std::size_t>(m)];
        if (x.Home.empty() || x.Away.empty() || x.Stadium.empty() || x.MatchDate.isZero())
            return false;
    }
    if (r.HoldState == 0 && (r.SaleStart.isZero() || r.SaleEnd.isZero() || r.ResultDate.isZero()))
        return false;
    return true;
}

}  // namespace brenvik
