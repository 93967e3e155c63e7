#include "official/clsHtmlToto.h"

#include <cstdlib>

#include "app/Classic.h"
#include "app/Clock.h"
#include "app/RuntimeError.h"
#include "app/Utf8.h"
#include "official/FullWidth.h"

namespace brenvik {

namespace {

const std::string Tilde = "～";     // U+FF5E, as the pages print a period
const std::string WaveDash = "〜";  // U+301C, the look-alike some pages use instead

// A small cursor over ASCII text for the date parser.
struct Scan {
    std::string_view s;
    std::size_t i = 0;
    bool end() const { return i >= s.size(); }
    bool take(std::string_view what) {
        if (s.substr(i, what.size()) != what) return false;
        i += what.size();
        return true;
    }
    // 1 to maxDigits digits.
    bool number(int maxDigits, int& value, int* digits = nullptr) {
        int n = 0;
        long v = 0;
        while (i < s.size() && s[i] >= '0' && s[i] <= '9') {
            if (++n > maxDigits) return false;
            v = v * 10 + (s[i] - '0');
            ++i;
        }
        if (n == 0) return false;
        value = static_cast<int>(v);
        if (digits) *digits = n;
        return true;
    }
    void blanks() {
        while (i < s.size() && s[i] == ' ') ++i;
    }
};

bool leapYear(int y) {
    return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

bool validDate(int y, int m, int d) {
    static constexpr int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (y < 100 || y > 9999 || m < 1 || m > 12 || d < 1) return false;
    return d <= days[m - 1] + (m == 2 && leapYear(y) ? 1 : 0);
}

// "H:mm" or "H:mm:ss" up to the end.
bool parseTime(Scan& sc, int& h, int& mi, int& se) {
    se = 0;
    if (!sc.number(2, h) || !sc.take(":") || !sc.number(2, mi)) return false;
    if (sc.take(":") && !sc.number(2, se)) return false;
    return sc.end() && h <= 23 && mi <= 59 && se <= 59;
}

int twoDigitYear(int y) {
    return y < 30 ? 2000 + y : 1900 + y;
}

// The date part; false when the text does not start with one.
bool parseDatePart(Scan& sc, int currentYear, int& y, int& m, int& d) {
    const std::size_t start = sc.i;
    int a = 0, b = 0, c = 0, digits = 0;
    // 2009年3月7日 / 3月7日
    if (sc.number(4, a, &digits)) {
        if (sc.take("年")) {
            if (sc.number(2, b) && sc.take("月") && sc.number(2, c) && sc.take("日")) {
                y = digits <= 2 ? twoDigitYear(a) : a;
                m = b;
                d = c;
                return digits != 3;
            }
            return false;
        }
        if (digits <= 2 && sc.take("月")) {
            if (sc.number(2, b) && sc.take("日")) {
                y = currentYear;
                m = a;
                d = b;
                return true;
            }
            return false;
        }
        for (const char* sep : {"/", "-"}) {
            if (!sc.take(sep)) continue;
            if (!sc.number(4, b)) return false;
            const std::size_t afterSecond = sc.i;
            int digits3 = 0;
            if (sc.take(sep) && sc.number(4, c, &digits3)) {
                // Year first: 2009/3/7 (or 09/3/7).
                if (digits == 3 || digits3 > 2) return false;
                y = digits <= 2 ? twoDigitYear(a) : a;
                m = b;
                d = c;
                return true;
            }
            sc.i = afterSecond;
            // Month and day of the current year: 3/7.
            if (digits > 2 || b > 99) return false;
            y = currentYear;
            m = a;
            d = b;
            return true;
        }
    }
    sc.i = start;
    return false;
}

}  // namespace

bool ParseJapaneseDate(const std::string& text, int currentYear, DateTime& out) {
    const std::string half = utf8::trim(fullwidth::toHalfWidth(text));
    Scan sc{half};
    int y = 0, m = 0, d = 0, h = 0, mi = 0, se = 0;
    if (parseDatePart(sc, currentYear, y, m, d)) {
        if (!validDate(y, m, d)) return false;
        sc.blanks();
        if (sc.end()) {
            out = DateTime::fromDate(y, m, d);
            return true;
        }
        if (!parseTime(sc, h, mi, se)) return false;
        out = DateTime::fromFields(y, m, d, h, mi, se);
        return true;
    }
    sc.i = 0;
    if (!parseTime(sc, h, mi, se)) return false;
    out = DateTime::fromTime(h, mi, se);
    return true;
}

bool clsHtmlToto::Kaisaikai(const std::string& Value, int32_t& Kaisai) const {
    if (utf8::left(Value, 1) != "第") return false;
    const std::size_t kai = utf8::find(Value, "回");
    if (kai == 0) return false;
    Kaisai = classic::toLong(utf8::mid(Value, 2, kai - 2));
    return true;
}

bool clsHtmlToto::GetKaisaikai(const std::string& Value, int32_t& Kaisai,
                               const std::string& strCheck) const {
    if (Value.find(strCheck) == std::string::npos) return false;
    return Kaisaikai(Value, Kaisai);
}

std::string clsHtmlToto::GetGameType(const std::vector<std::string>& strList,
                                     int32_t& lngPos) const {
    if (lngPos < 1 || static_cast<std::size_t>(lngPos) > strList.size()) return {};
    const int32_t no = gameType_.GetNo(strList[static_cast<std::size_t>(lngPos - 1)]);
    if (no <= 0) return {};
    ++lngPos;
    return gameType_.Text(no);
}

bool clsHtmlToto::GetValue2(const std::string& Value, Currency& Value1, Currency& Value2) const {
    std::string text = fullwidth::toHalfWidth(utf8::trim(Value));
    std::erase(text, ',');
    const std::size_t open = text.find('(');
    if (open == std::string::npos || text.find(')') == std::string::npos) return false;
    std::string second = text.substr(open);
    std::erase_if(second, [](char c) { return c == '(' || c == ')' || c == '%'; });
    Value1 = StringToCurrency(text.substr(0, open));
    Value2 = StringToCurrency(second);
    return true;
}

Currency clsHtmlToto::StringToCurrency(const std::string& Value) const {
    try {
        std::string kept;
        for (char c : Value)
            if ((c >= '0' && c <= '9') || c == '.') kept.push_back(c);
        if (!classic::isNumeric(kept)) return {};
        return Currency::parse(kept);
    } catch (const RuntimeError& e) {
        report_.error("StringToCurrency", e);
    }
    return {};
}

DateTime clsHtmlToto::StringToDate(const std::string& Value) const {
    try {
        DateTime result;
        if (ParseJapaneseDate(Value, clock().currentYear(), result)) return result;
    } catch (const RuntimeError& e) {
        report_.error("StringToDate", e);
    }
    return {};
}

DateTime clsHtmlToto::StringToDateEx(std::string& Value) const {
    try {
        Value = fullwidth::toHalfWidth(Value);
        const std::size_t c = utf8::find(Value, "(");
        const std::size_t d = utf8::find(Value, ")", 2);
        if (c > 0 && d > 0) {
            std::string text = utf8::left(Value, c - 1) + utf8::mid(Value, d + 1);
            if (const std::size_t colon = utf8::find(text, ":"); colon > 0)
                text = utf8::left(text, colon + 2);
            return StringToDate(text);
        }
        return StringToDate(Value);
    } catch (const RuntimeError& e) {
        report_.error("StringToDateEx", e);
    }
    return {};
}

DateTime clsHtmlToto::StringToDateEx(const std::string& Value) const {
    std::string copy = Value;
    return StringToDateEx(copy);
}

std::string clsHtmlToto::LatestTime(const std::string& Value) {
    const std::string text = fullwidth::toHalfWidth(Value);
    const auto isTime = [](const std::string& t) {
        Scan sc{t};
        int h = 0, mi = 0, se = 0;
        return parseTime(sc, h, mi, se);
    };
    std::string best;
    long bestValue = 0;
    for (std::size_t p = utf8::find(text, ":"); p > 0; p = utf8::find(text, ":", p + 1)) {
        std::string candidate;
        if (p >= 3 && isTime(utf8::mid(text, p - 2, 5)))
            candidate = utf8::mid(text, p - 2, 5);
        else if (p >= 2 && isTime(utf8::mid(text, p - 1, 4)))
            candidate = utf8::mid(text, p - 1, 4);
        if (candidate.empty()) continue;
        std::string digits = candidate;
        std::erase(digits, ':');
        const long value = std::strtol(digits.c_str(), nullptr, 10);
        if (value > bestValue) {
            bestValue = value;
            best = candidate;
        }
    }
    return best;
}

DateTime clsHtmlToto::StringToDateEx2(const std::string& Value) const {
    try {
        const std::size_t day = utf8::find(Value, "日");
        if (day == 0) return {};
        return StringToDate(utf8::left(Value, day) + " " + LatestTime(Value));
    } catch (const RuntimeError& e) {
        report_.error("StringToDateEx2", e);
    }
    return {};
}

void clsHtmlToto::DateString2(const std::string& Value, DateTime& date1, DateTime& date2) const {
    try {
        std::string text = Value;
        // The wave dash stands for the tilde: both look the same on the page.
        for (std::size_t p; (p = text.find(WaveDash)) != std::string::npos;)
            text.replace(p, WaveDash.size(), Tilde);
        for (std::size_t p; (p = text.find("まで")) != std::string::npos;) text.erase(p, 6);
        const std::size_t pos = utf8::find(text, Tilde);
        if (pos == 0) return;
        date1 = StringToDateEx(utf8::left(text, pos - 1));
        date2 = StringToDateEx(utf8::mid(text, pos + 2));
    } catch (const RuntimeError& e) {
        report_.error("DateString2", e);
        date1 = date2 = DateTime();
    }
}

void clsHtmlToto::GetStringToDate2(const std::string& Value, DateTime& date1,
                                   DateTime& date2) const {
    try {
        std::string text = Value;
        for (std::size_t p; (p = text.find(WaveDash)) != std::string::npos;)
            text.replace(p, WaveDash.size(), Tilde);
        for (std::size_t p; (p = text.find("月")) != std::string::npos;) text.replace(p, 3, "/");
        for (std::size_t p; (p = text.find("日")) != std::string::npos;) text.replace(p, 3, " ");
        const std::size_t pos = utf8::find(text, Tilde);
        if (pos == 0) return;
        const std::string year = std::to_string(clock().currentYear());
        date1 = StringToDate(year + "/" + utf8::left(text, pos - 1));
        date2 = StringToDate(year + "/" + utf8::mid(text, pos + 2));
    } catch (const RuntimeError& e) {
        report_.error("GetStringToDate2", e);
        date1 = date2 = DateTime();
    }
}

bool clsHtmlToto::GetStringToDateNow(const std::string& Value, DateTime& date1,
                                     bool& blnFinal) const {
    try {
        if (utf8::left(Value, 1) != "(") return false;
        blnFinal = true;
        std::size_t pos = utf8::find(Value, "販売終了時点)");
        if (pos == 0) {
            blnFinal = false;
            pos = utf8::find(Value, "時点)");
        }
        if (pos == 0) return false;
        date1 = StringToDateEx(utf8::mid(Value, 2, pos - 2));
        return true;
    } catch (const RuntimeError& e) {
        report_.error("GetStringToDateNow", e);
    }
    return false;
}

}  // namespace brenvik
