#include "files/clsClipboard.h"

#include <cstdio>
#include <exception>

#include "app/Clipboard.h"
#include "app/RuntimeError.h"
#include "app/Utf8.h"
#include "engine/clsMulti.h"
#include "lottery/CurrentRound.h"

namespace brenvik {
namespace {

constexpr const char* IdeographicSpace = "　";
constexpr int Yen = 100;  // per single

// Outcomes in sheet order with the offset of their block in MultiMarks.
struct Column {
    int code;
    std::size_t block;
};
constexpr Column Columns[3] = {{1, 0}, {0, 13}, {2, 26}};

std::string twoDigits(int32_t n) {
    char b[16];
    std::snprintf(b, sizeof b, "%02d", n);
    return b;
}

// "#,##0"
std::string amountText(long long value) {
    std::string digits = std::to_string(value < 0 ? -value : value);
    std::string out;
    const std::size_t n = digits.size();
    for (std::size_t i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0) out += ',';
        out += digits[i];
    }
    return value < 0 ? "-" + out : out;
}

std::string stateSymbol(uint8_t state) {
    switch (state) {
        case 1:
            return "◎";
        case 2:
            return "○";
        case 3:
            return "▲";
        default:
            return IdeographicSpace;
    }
}

std::string matchTeams(const ScheduleRecord& schedule, int match) {
    const ScheduleMatch& m = schedule.Matches[static_cast<std::size_t>(match)];
    return clsClipboard::TeamField(m.Home) + " Vs " + clsClipboard::TeamField(m.Away) + " ";
}

}  // namespace

clsClipboard::clsClipboard() {
    schedule_.Initialize(nullptr);  // the cache alone needs no window
}

std::string clsClipboard::TeamField(const std::string& name) {
    return utf8::left(utf8::trim(name) + IdeographicSpace + IdeographicSpace + IdeographicSpace, 3);
}

std::string clsClipboard::MultiText(const MultiMarks& marks, int32_t lngCount, int32_t lngRound,
                                    const ScheduleRecord& schedule, const Settings& s) {
    std::string text;
    if (s.CopyHeader != 0) {
        const MultiSummary summary = clsMulti::Summary(marks);
        text += "第" + std::to_string(lngRound) + "回 " + "W:" + twoDigits(summary.Doubles) + " " +
                "T:" + twoDigits(summary.Triples) + " ";
        if (s.CopyMoney != 0) text += "\\:" + amountText(static_cast<long long>(Yen) * lngCount);
        text += "\r\n\r\n";
    }
    for (int n = 1; n <= 13; ++n) {
        if (s.CopyGameNo != 0) text += twoDigits(n) + " ";
        if (s.CopyGameData != 0) text += matchTeams(schedule, n);
        if (s.CopyMulti != 0) {
            for (const Column& c : Columns)
                text += marks[c.block + static_cast<std::size_t>(n)] != 0 ? "■" : "□";
            text += " ";
        }
        if (s.CopyFavorite != 0) {
            if (s.CopyFrontRearBracket != 0) text += "[";
            for (const Column& c : Columns)
                text += stateSymbol(marks[c.block + static_cast<std::size_t>(n)]);
            if (s.CopyFrontRearBracket != 0) text += "]";
            text += " ";
        }
        if (s.CopyMultiFavorite != 0) {
            static const char* const favourite[3] = {"①", "◎", "②"};
            static const char* const other[3] = {"１", "０", "２"};
            for (int k = 0; k < 3; ++k) {
                const uint8_t state = marks[Columns[k].block + static_cast<std::size_t>(n)];
                text += state == 0 ? IdeographicSpace : state == 1 ? favourite[k] : other[k];
            }
        }
        text += "\r\n";
    }
    if (s.CopyMark != 0) {
        text += "\r\nマーク [ ";
        if (s.CopyMulti != 0) text += "■□:マルチ ";
        if (s.CopyFavorite != 0) text += "◎:本命 ○:対抗 ▲:穴 ";
        if (s.CopyMultiFavorite != 0) text += "①:本命 ";
        text += "]\r\n";
    }
    return text;
}

std::string clsClipboard::SinglesText(const std::vector<SingleRecord>& singles, int32_t lngCount,
                                      int32_t lngRound, const ScheduleRecord& schedule,
                                      const Settings& s) {
    if (lngCount < 0 || static_cast<std::size_t>(lngCount) > singles.size())
        err::raise(err::SubscriptOutOfRange);
    if (lngCount == 0) err::raise(err::DivisionByZero);  // every percentage would divide by 0
    std::string text;
    if (s.CopyHeader != 0) {
        text +=
            "第" + std::to_string(lngRound) + "回 " + "SINGLE:" + std::to_string(lngCount) + " ";
        if (s.CopyMoney != 0) text += "\\:" + amountText(static_cast<long long>(Yen) * lngCount);
        text += "\r\n";
    }
    text += "                    [1]  [0]  [2]\r\n";
    const auto count = static_cast<std::size_t>(lngCount);
    for (int n = 1; n <= 13; ++n) {
        const auto match = static_cast<std::size_t>(n);
        long long tally[3] = {0, 0, 0};  // by outcome code
        std::string list;
        if (s.CopySingleList != 0) list.reserve(count + count / 10);
        for (std::size_t i = 0; i < count; ++i) {
            const uint8_t o = singles[i].Outcome[match];
            if (o > 2) err::raise(err::SubscriptOutOfRange);
            ++tally[o];
            if (s.CopySingleList != 0) {
                list += static_cast<char>('0' + o);
                if ((i + 1) % 10 == 0) list += ' ';
            }
        }
        text += twoDigits(n) + " " + matchTeams(schedule, n);
        const char* const after[3] = {"% ", "% ", "%  "};
        for (int k = 0; k < 3; ++k) {
            // Rounded to a whole percent, halves away from zero.
            const long long pct = (200 * tally[Columns[k].code] + lngCount) / (2LL * lngCount);
            text += utf8::padLeft(std::to_string(pct), 3) + after[k];
        }
        text += list + "\r\n";
    }
    return text;
}

ScheduleRecord clsClipboard::cachedSchedule() {
    schedule_.GetSchedule(CurrentRound(), "", 1, false);
    return schedule_.Schedule();
}

bool clsClipboard::place(const char* procedure, const std::string& text) {
    try {
        // Cleared only now, so that a failed build leaves the clipboard as it was.
        clipboard().clear();
        clipboard().setText(text);
        return true;
    } catch (const std::exception& e) {
        report_.error(procedure, e);
    }
    return false;
}

bool clsClipboard::SetData(const MultiMarks& marks, int32_t lngCount) {
    std::string text;
    try {
        text = MultiText(marks, lngCount, CurrentRound(), cachedSchedule(), basIniFile::values());
    } catch (const std::exception& e) {
        report_.error("SetData", e);
        return false;
    }
    return place("SetData", text);
}

bool clsClipboard::SetCsvData(const std::vector<SingleRecord>& singles, int32_t lngCount) {
    std::string text;
    try {
        text =
            SinglesText(singles, lngCount, CurrentRound(), cachedSchedule(), basIniFile::values());
    } catch (const std::exception& e) {
        report_.error("SetCsvData", e);
        return false;
    }
    return place("SetCsvData", text);
}

}  // namespace brenvik
