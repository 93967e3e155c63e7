#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "app/Currency.h"
#include "app/DateTime.h"
#include "app/Messages.h"
#include "lottery/clsTGameType.h"

namespace brenvik {

// The cell readers the page readers share: round headings, number(percent) cells, money and
// the date and time forms of the official pages. A zero DateTime is "no date". The year of a
// date without one is the Clock's current year.
class clsHtmlToto {
  public:
    // "第" number "回"…: the number into Kaisai, true. A non-number between them raises the
    // RuntimeError to the caller (13 or 6).
    bool Kaisaikai(const std::string& Value, int32_t& Kaisai) const;
    // Kaisaikai when Value contains strCheck; false otherwise.
    bool GetKaisaikai(const std::string& Value, int32_t& Kaisai, const std::string& strCheck) const;
    // The game text of cell lngPos (1-based: strList[lngPos - 1]) and lngPos advanced by one;
    // empty when it names no game.
    std::string GetGameType(const std::vector<std::string>& strList, int32_t& lngPos) const;
    // "1,234,567(45.67%)" → 1234567 and 45.67; false (outputs untouched) without brackets.
    bool GetValue2(const std::string& Value, Currency& Value1, Currency& Value2) const;
    // Only "0"-"9" and "." kept; 0 when that is no number.
    Currency StringToCurrency(const std::string& Value) const;
    DateTime StringToDate(const std::string& Value) const;
    // Full-width to half-width (Value is replaced by that form), weekday in brackets removed,
    // seconds and trailing words after the time dropped.
    DateTime StringToDateEx(std::string& Value) const;
    DateTime StringToDateEx(const std::string& Value) const;
    // The date up to "日" with the latest time in the text.
    DateTime StringToDateEx2(const std::string& Value) const;
    // "A～B" (every "まで" removed): both ends by StringToDateEx; outputs untouched without "～".
    void DateString2(const std::string& Value, DateTime& date1, DateTime& date2) const;
    void GetStringToDate2(const std::string& Value, DateTime& date1, DateTime& date2) const;
    // "(…販売終了時点)" (blnFinal true) or "(…時点)" (false): the as-of time into date1.
    bool GetStringToDateNow(const std::string& Value, DateTime& date1, bool& blnFinal) const;

    // The "latest time" of StringToDateEx2 ("15:50"), empty when none.
    static std::string LatestTime(const std::string& Value);

  private:
    clsTGameType gameType_;
    ErrorReport report_{"clsHtmlToto"};
};

// The date parser behind StringToDate: "2009/3/7", "2009-3-7", "2009年3月7日", "3/7",
// "3月7日" (current year), each optionally followed, with or without a blank, by "H:mm" or
// "H:mm:ss"; a time alone. False for anything else or an impossible date or time.
bool ParseJapaneseDate(const std::string& text, int currentYear, DateTime& out);

}  // namespace brenvik
