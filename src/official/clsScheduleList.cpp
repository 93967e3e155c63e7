#include "official/clsScheduleList.h"

#include <cmath>
#include <cstdio>

#include "app/Clock.h"
#include "app/basStandard.h"
#include "official/clsSchedule.h"

namespace brenvik {

namespace {

std::string roundText(int32_t round) {
    char b[32];
    std::snprintf(b, sizeof b, "第%03d回", round);
    return b;
}

DateTime toMinute(DateTime t) {
    return DateTime::fromFields(t.year(), t.month(), t.day(), t.hour(), t.minute(), 0);
}

}  // namespace

int32_t clsScheduleList::NextNo() const {
    return chosen_ >= 0 ? rows_[static_cast<std::size_t>(chosen_)].Round : 0;
}

int32_t clsScheduleList::IndexToNo(int32_t lngIndex) const {
    if (lngIndex < 0 || lngIndex >= ListCount()) return 0;
    return rows_[static_cast<std::size_t>(lngIndex)].Round;
}

std::string clsScheduleList::TimeLeftText(DateTime now, DateTime target) {
    // In whole minutes, so that 5 hours never reads as 4 from a rounding of the fraction.
    const long long minutes = std::llround((target.serial() - now.serial()) * 1440.0);
    const long long days = minutes / 1440;
    const long long hours = (minutes % 1440) / 60;
    char b[64];
    std::snprintf(b, sizeof b, "%lld日 %02lld時間", days, hours);
    return b;
}

std::string clsScheduleList::DateText(DateTime value) {
    char b[32];
    std::snprintf(b, sizeof b, "%04d/%02d/%02d", value.year(), value.month(), value.day());
    std::string text = std::string(b) + "(" + basStandard::WeekdayKanji(value) + ")";
    if (value.hour() != 0 || value.minute() != 0) {
        std::snprintf(b, sizeof b, " %02d:%02d", value.hour(), value.minute());
        text += b;
    }
    return text + " ";
}

void clsScheduleList::Refresh() {
    clsSchedule schedule;
    schedule.Initialize(owner_);
    rows_.clear();
    chosen_ = -1;
    std::vector<int32_t> rounds;
    schedule.GetScheduleNo(rounds);
    const DateTime now = toMinute(clock().now());
    for (const int32_t n : rounds) {
        ScheduleListRow row;
        row.Round = n;
        if (schedule.GetSchedule(n, "", 1, false)) {
            const ScheduleRecord r = schedule.Schedule();
            if (now > r.SaleEnd) {
                row.Icon = SaleEnded;
                row.StateText = "販売終了";
            } else if (r.SaleStart > now) {
                row.Icon = NotYetOnSale;
                row.StateText = "販売開始まで あと " + TimeLeftText(now, r.SaleStart);
            } else {
                row.Icon = OnSale;
                row.StateText = "販売締切まで あと " + TimeLeftText(now, r.SaleEnd);
            }
            if (row.Icon != SaleEnded && chosen_ < 0) chosen_ = ListCount();
            row.RoundText = roundText(r.Kaisaikai);
            if (!r.SaleStart.isZero())
                row.PeriodText = DateText(r.SaleStart) + "～ " + DateText(r.SaleEnd);
        } else if (schedule.NoGame()) {
            row.Icon = NotHeld;
            row.RoundText = roundText(n);
            row.PeriodText = "開催しません";
            row.StateText = "未販売";
        } else {
            continue;
        }
        rows_.push_back(std::move(row));
    }
    if (chosen_ < 0 && !rows_.empty()) chosen_ = ListCount() - 1;
    selected_ = top_ = -1;
    if (chosen_ >= 0) {
        top_ = chosen_;
        select(chosen_);
    }
}

bool clsScheduleList::SetScheduleNo(int32_t lngRound, bool ScrollFlg) {
    for (int32_t i = 0; i < ListCount(); ++i) {
        if (rows_[static_cast<std::size_t>(i)].Round != lngRound) continue;
        if (ScrollFlg) top_ = i;
        select(i);
        return true;
    }
    select(-1);
    return false;
}

void clsScheduleList::SelectIndex(int32_t lngIndex) {
    select(lngIndex >= 0 && lngIndex < ListCount() ? lngIndex : -1);
}

void clsScheduleList::select(int32_t index) {
    if (index == selected_) return;
    selected_ = index;
    if (index >= 0 && IndexChange) IndexChange(index);
}

}  // namespace brenvik
