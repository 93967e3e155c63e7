#include "app/DateTime.h"

#include <chrono>
#include <cmath>
#include <cstdio>

#include "app/Utf8.h"

namespace brenvik {
namespace {

namespace ch = std::chrono;

constexpr ch::sys_days Epoch = ch::sys_days{ch::year{1899} / ch::December / 30};

long long daysFromCivil(int y, int m, int d) {
    // Normalise the month first, then let the day roll over.
    long long yy = y + (m - 1) / 12;
    int mm = (m - 1) % 12;
    if (mm < 0) {
        mm += 12;
        --yy;
    }
    const ch::sys_days first =
        ch::sys_days{ch::year{static_cast<int>(yy)} / ch::month{static_cast<unsigned>(mm + 1)} / 1};
    return (first - Epoch).count() + (d - 1);
}

}  // namespace

DateTime DateTime::fromDate(int y, int m, int d) {
    return DateTime(static_cast<double>(daysFromCivil(y, m, d)));
}

DateTime DateTime::fromTime(int h, int mi, int s) {
    return DateTime((h * 3600.0 + mi * 60.0 + s) / 86400.0);
}

DateTime DateTime::fromFields(int y, int m, int d, int h, int mi, int s) {
    const double days = static_cast<double>(daysFromCivil(y, m, d));
    const double t = (h * 3600.0 + mi * 60.0 + s) / 86400.0;
    // Before the epoch the fraction counts away from zero, as the classic type stores it.
    return DateTime(days < 0 ? days - t : days + t);
}

DateTime::Fields DateTime::fields() const {
    const double whole = std::trunc(serial_);
    double frac = std::fabs(serial_ - whole);
    long long secs = std::llround(frac * 86400.0);
    long long dayNo = static_cast<long long>(whole);
    if (secs >= 86400) {
        secs -= 86400;
        dayNo += serial_ < 0 ? -1 : 1;
    }
    const ch::year_month_day ymd{Epoch + ch::days{dayNo}};
    return {static_cast<int>(ymd.year()), static_cast<int>(static_cast<unsigned>(ymd.month())),
            static_cast<int>(static_cast<unsigned>(ymd.day())), static_cast<int>(secs / 3600),
            static_cast<int>(secs / 60 % 60), static_cast<int>(secs % 60)};
}

int DateTime::year() const { return fields().y; }
int DateTime::month() const { return fields().mo; }
int DateTime::day() const { return fields().d; }
int DateTime::hour() const { return fields().h; }
int DateTime::minute() const { return fields().mi; }
int DateTime::second() const { return fields().s; }

int DateTime::weekday() const {
    const auto f = fields();
    const ch::weekday wd{ch::sys_days{ch::year{f.y} / ch::month{static_cast<unsigned>(f.mo)} /
                                      ch::day{static_cast<unsigned>(f.d)}}};
    return static_cast<int>(wd.c_encoding()) + 1;
}

DateTime DateTime::datePart() const { return DateTime(std::trunc(serial_)); }

std::string DateTime::dateText() const {
    const auto f = fields();
    char b[32];
    std::snprintf(b, sizeof b, "%04d/%02d/%02d", f.y, f.mo, f.d);
    return b;
}

std::string DateTime::timeText() const {
    const auto f = fields();
    char b[32];
    std::snprintf(b, sizeof b, "%d:%02d:%02d", f.h, f.mi, f.s);
    return b;
}

std::string DateTime::text() const { return dateText() + " " + timeText(); }

bool DateTime::tryParse(std::string_view input, DateTime& out) {
    const std::string s = utf8::trim(input);
    int y = 0, mo = 0, d = 0, h = 0, mi = 0, sec = 0;
    char sep1 = 0, sep2 = 0;
    int used = 0;
    bool haveDate = false;
    if (std::sscanf(s.c_str(), "%d%c%d%c%d%n", &y, &sep1, &mo, &sep2, &d, &used) == 5 &&
        sep1 == sep2 && (sep1 == '/' || sep1 == '-')) {
        haveDate = true;
        if (y < 100 || y > 9999 || mo < 1 || mo > 12 || d < 1) return false;
        const ch::year_month_day ymd{ch::year{y}, ch::month{static_cast<unsigned>(mo)},
                                     ch::day{static_cast<unsigned>(d)}};
        if (!ymd.ok()) return false;
    } else {
        used = 0;
    }
    std::string rest = utf8::trim(std::string_view(s).substr(static_cast<std::size_t>(used)));
    bool haveTime = false;
    if (!rest.empty()) {
        int used2 = 0;
        sec = 0;
        const int got = std::sscanf(rest.c_str(), "%d:%d%n:%d%n", &h, &mi, &used2, &sec, &used2);
        if (got < 2 || static_cast<std::size_t>(used2) != rest.size()) return false;
        if (h < 0 || h > 23 || mi < 0 || mi > 59 || sec < 0 || sec > 59) return false;
        haveTime = true;
    }
    if (!haveDate && !haveTime) return false;
    out = haveDate ? fromFields(y, mo, d, h, mi, sec) : fromTime(h, mi, sec);
    return true;
}

}  // namespace brenvik
