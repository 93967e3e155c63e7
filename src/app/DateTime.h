#pragma once
#include <compare>
#include <string>
#include <string_view>

namespace brenvik {

// A date-time as days since 1899-12-30 in a double: the whole part the date, the fraction the
// time of day. 0 is "no date".
class DateTime {
public:
    constexpr DateTime() = default;
    constexpr explicit DateTime(double serial) : serial_(serial) {}
    // Out-of-range fields roll over as the classic DateSerial does (month 13 = January next year).
    static DateTime fromDate(int year, int month, int day);
    static DateTime fromFields(int year, int month, int day, int hour, int minute, int second);
    static DateTime fromTime(int hour, int minute, int second);

    constexpr double serial() const { return serial_; }
    bool isZero() const { return serial_ == 0.0; }

    int year() const;
    int month() const;
    int day() const;
    int hour() const;
    int minute() const;
    int second() const;
    // 1 = Sunday ... 7 = Saturday.
    int weekday() const;
    DateTime datePart() const;

    // "yyyy/mm/dd", "H:mm:ss", and both joined by one blank.
    std::string dateText() const;
    std::string timeText() const;
    std::string text() const;

    // Reads "yyyy/m/d", "yyyy-m-d", optionally followed by a blank and "H:mm[:ss]", or a time
    // alone. Returns false for anything else or an impossible date.
    static bool tryParse(std::string_view text, DateTime& out);

    auto operator<=>(const DateTime&) const = default;

private:
    struct Fields { int y, mo, d, h, mi, s; };
    Fields fields() const;
    double serial_ = 0.0;
};

}  // namespace brenvik
