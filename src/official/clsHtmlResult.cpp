#include "official/clsHtmlResult.h"

#include <exception>

#include "app/Classic.h"
#include "app/RuntimeError.h"
#include "lottery/clsToto.h"
#include "official/OperatorSite.h"
#include "official/PageCells.h"
#include "official/basTotoSettings.h"

namespace brenvik {

clsHtmlResult::clsHtmlResult() : urlBase_(basTotoSettings::values().totoOfficialResultUrl) {}

bool clsHtmlResult::GetResult(int32_t Kaisai, const std::string& Kumi, OwnerWindow* objOwnerForm) {
    record_ = ResultRecord{};
    unpublished_ = false;
    try {
        html_.ProgressDialogMessage("第" + std::to_string(Kaisai) +
                                    "回 結果情報取得中 (オフィシャル)");
        if (html_.GetHttp(operator_site::ResultUrl(urlBase_, Kaisai), operator_site::Proxy,
                          objOwnerForm, operator_site::PageCode) < 1)
            return false;
        std::vector<std::string> cells;
        html_.GetTextData(cells);
        return readCells(cells, Kumi);
    } catch (const std::exception& e) {
        report_.error("GetResult", e);
    }
    return false;
}

bool clsHtmlResult::ReadPage(const std::string& strHtml, const std::string& Kumi) {
    record_ = ResultRecord{};
    unpublished_ = false;
    try {
        if (html_.SetPage(strHtml) < 1) return false;
        std::vector<std::string> cells;
        html_.GetTextData(cells);
        return readCells(cells, Kumi);
    } catch (const std::exception& e) {
        report_.error("GetResult", e);
    }
    return false;
}

bool clsHtmlResult::ReadCells(const std::vector<std::string>& strList, const std::string& Kumi) {
    record_ = ResultRecord{};
    unpublished_ = false;
    return readCells(strList, Kumi);
}

namespace {

// "2-1": the two goal counts (bytes); a text without "-" or with no numbers is a run-time
// error.
void readScore(const std::string& cell, uint8_t& home, uint8_t& away) {
    const std::size_t dash = cell.find('-');
    if (dash == std::string::npos) err::raise(err::SubscriptOutOfRange);
    const std::size_t next = cell.find('-', dash + 1);
    home = classic::toByte(cell.substr(0, dash));
    away =
        classic::toByte(cell.substr(dash + 1, next == std::string::npos ? next : next - dash - 1));
}

}  // namespace

bool clsHtmlResult::readCells(const std::vector<std::string>& list, const std::string& Kumi) {
    try {
        const PageCells cells(list);
        const std::string heading =
            Kumi.empty() ? std::string("totoくじ結果") : "toto-" + Kumi + "組くじ結果";
        ResultRecord rec;
        rec.Group = Kumi;
        bool found = false;
        bool rejected = false;
        bool lastMatchRead = false;
        std::size_t grades = 0;
        DateTime pendingDate;
        std::string pendingStadium;
        bool pending = false;
        std::size_t i = 1;
        auto gradeValues = [&](std::array<Currency, 4>& values) {
            for (std::size_t g = 1; g <= grades; ++g)
                values[g] = toto_.StringToCurrency(cells.at(i + g));
            i += grades + 1;
        };
        auto follows = [&](std::initializer_list<const char*> labels) {
            std::size_t k = i;
            for (const char* label : labels)
                if (cells.at(++k) != label) return false;
            return true;
        };
        while (i <= cells.size() && !rejected) {
            const std::string& c = cells[i];
            if (!found) {
                if (c == operator_site::ResultNotShown) break;
                int32_t k = rec.Kaisaikai;
                if (c.find(heading) != std::string::npos && toto_.GetKaisaikai(c, k, heading)) {
                    found = true;
                    rec.Kaisaikai = k;
                    const int32_t n = clsToto().GetMaxGrade(k);
                    grades = static_cast<std::size_t>(n < 0 ? 0 : (n > 3 ? 3 : n));
                }
                ++i;
                continue;
            }
            if (c == "当せん金") {
                gradeValues(rec.Prize);
            } else if (c == "当せん口数") {
                gradeValues(rec.Winners);
            } else if (c == "次回への繰越金") {
                gradeValues(rec.CarryOver);
            } else if (c == "販売期間" && follows({"販売開始日", "販売終了日", "結果発表日"})) {
                rec.SaleStart = toto_.StringToDateEx(cells.at(i + 4));
                rec.SaleEnd = toto_.StringToDateEx(cells.at(i + 5));
                rec.ResultDate = toto_.StringToDateEx(cells.at(i + 6));
                i += 7;
            } else if (c == "払戻日" && follows({"払戻開始日", "払戻期限"})) {
                rec.PayoutStart = toto_.StringToDateEx(cells.at(i + 3));
                rec.PayoutDeadline = toto_.StringToDateEx(cells.at(i + 4));
                break;
            } else if (c == "返還日" && follows({"返還確定日", "返還開始日", "返還期限"})) {
                rec.ResultDate = toto_.StringToDateEx(cells.at(i + 4));
                rec.PayoutStart = toto_.StringToDateEx(cells.at(i + 5));
                rec.PayoutDeadline = toto_.StringToDateEx(cells.at(i + 6));
                break;
            } else {
                // A match row; rows without their own date and stadium keep the last ones.
                if (PageCells::isDate(c)) {
                    pendingDate = toto_.StringToDate(c);
                    pendingStadium = cells.at(i + 1);
                    pending = true;
                }
                const int n = pending ? PageCells::matchNumber(c, 13) : 0;
                if (n == 0) {
                    ++i;
                    continue;
                }
                if (lastMatchRead) {
                    rejected = true;
                    break;
                }
                ResultMatch& m = rec.Matches[static_cast<std::size_t>(n)];
                m.MatchDate = pendingDate;
                m.Stadium = pendingStadium;
                m.Home = cells.at(i + 1);
                const std::string& score = cells.at(i + 2);
                const bool isVoid = score == "中止";
                if (isVoid) {
                    m.HomeScore = m.AwayScore = 0;
                } else {
                    readScore(score, m.HomeScore, m.AwayScore);
                }
                m.Away = cells.at(i + 3);
                const std::string& lot = cells.at(i + 4);
                m.LotResult = isVoid || lot == "中止" ? 3 : classic::toByte(lot);
                if (n == 13) lastMatchRead = true;
                i += 5;
            }
        }
        if (!found) {
            unpublished_ = true;
            return false;
        }
        if (rejected) return false;
        rec.CalledOff = true;
        for (std::size_t m = 1; m <= 13; ++m)
            if (rec.Matches[m].LotResult != 3) rec.CalledOff = false;
        // Dates shown without a year took the current one; the round's own year holds.
        const int year = rec.CalledOff ? rec.ResultDate.year() : rec.SaleStart.year();
        if (rec.Matches[1].MatchDate.year() != year) {
            for (std::size_t m = 1; m <= 13; ++m) {
                const DateTime d = rec.Matches[m].MatchDate;
                rec.Matches[m].MatchDate = DateTime::fromDate(year, d.month(), d.day());
            }
        }
        record_ = std::move(rec);
        return true;
    } catch (const std::exception& e) {
        report_.error("GetResult", e);
    }
    return false;
}

}  // namespace brenvik
