#include "official/clsHtmlSchedule.h"

#include <exception>

#include "app/Clock.h"
#include "official/OperatorSite.h"
#include "official/PageCells.h"
#include "official/basTotoSettings.h"

namespace brenvik {

clsHtmlSchedule::clsHtmlSchedule() : urlBase_(basTotoSettings::values().totoOfficialScheduleUrl) {}

bool clsHtmlSchedule::GetSchedule(int32_t Kaisai, const std::string& Kumi,
                                  OwnerWindow* objOwnerForm) {
    record_ = ScheduleRecord{};
    unpublished_ = false;
    try {
        html_.ProgressDialogMessage("第" + std::to_string(Kaisai) +
                                    "回 開催情報取得中 (オフィシャル)");
        if (html_.GetHttp(operator_site::ScheduleUrl(urlBase_, Kaisai), operator_site::Proxy,
                          objOwnerForm, operator_site::PageCode) < 1)
            return false;
        std::vector<std::string> cells;
        html_.GetTextData(cells);
        return readCells(cells, Kaisai, Kumi);
    } catch (const std::exception& e) {
        report_.error("GetSchedule", e);
    }
    return false;
}

bool clsHtmlSchedule::ReadPage(const std::string& strHtml, int32_t Kaisai,
                               const std::string& Kumi) {
    record_ = ScheduleRecord{};
    unpublished_ = false;
    try {
        if (html_.SetPage(strHtml) < 1) return false;
        std::vector<std::string> cells;
        html_.GetTextData(cells);
        return readCells(cells, Kaisai, Kumi);
    } catch (const std::exception& e) {
        report_.error("GetSchedule", e);
    }
    return false;
}

bool clsHtmlSchedule::ReadCells(const std::vector<std::string>& strList, int32_t Kaisai,
                                const std::string& Kumi) {
    record_ = ScheduleRecord{};
    unpublished_ = false;
    return readCells(strList, Kaisai, Kumi);
}

bool clsHtmlSchedule::readCells(const std::vector<std::string>& list, int32_t Kaisai,
                                const std::string& Kumi) {
    try {
        const PageCells cells(list);
        const std::string heading =
            Kumi.empty() ? std::string("totoくじ情報") : "toto-" + Kumi + "組くじ情報";
        ScheduleRecord rec;
        rec.Group = Kumi;
        int year = clock().currentYear();
        bool found = false;
        bool rejected = false;
        bool lastMatchRead = false;
        std::size_t i = 1;
        while (i <= cells.size() && !rejected) {
            const std::string& c = cells[i];
            if (!found) {
                if (c == operator_site::ScheduleNotShown) break;
                int32_t k = rec.Kaisaikai;
                if (c.find(heading) != std::string::npos && toto_.GetKaisaikai(c, k, heading)) {
                    found = true;
                    rec.Kaisaikai = k;
                }
                ++i;
                continue;
            }
            if (c == "くじは中止となりました。") {
                rec.HoldState = 2;
                ++i;
            } else if (c == "販売開始日") {
                rec.SaleStart = toto_.StringToDateEx(cells.at(i + 1));
                year = rec.SaleStart.year();
                i += 2;
            } else if (c == "販売終了日") {
                rec.SaleEnd = toto_.StringToDateEx2(cells.at(i + 1));
                i += 2;
            } else if (c == "結果発表日") {
                rec.ResultDate = toto_.StringToDateEx(cells.at(i + 1));
                i += 2;
            } else if (c == "払戻開始日") {
                rec.PayoutStart = toto_.StringToDateEx(cells.at(i + 1));
                i += 2;
            } else if (c == "払戻期限") {
                rec.PayoutDeadline = toto_.StringToDateEx(cells.at(i + 1));
                break;
            } else if (const int n = PageCells::matchNumber(c, 14); n > 0) {
                if (lastMatchRead) {
                    rejected = true;
                    break;
                }
                ScheduleMatch& m = rec.Matches.at(PageCells::matchSlot(n));
                m.MatchDate = PageCells::dateOf(std::to_string(year) + "/" + cells.at(i + 1));
                m.StartTime = PageCells::timeOf(cells.at(i + 2));
                m.Stadium = cells.at(i + 3);
                m.Home = teamNames_.GetShortTeamName(cells.at(i + 4), Kaisai);
                if (m.Home.empty()) rejected = true;
                const std::string& state = cells.at(i + 5);
                if (!rejected && state != "VS" && state != "中止") rejected = true;
                if (!rejected) {
                    m.MatchState = state;
                    m.Away = teamNames_.GetShortTeamName(cells.at(i + 6), Kaisai);
                    if (m.Away.empty()) rejected = true;
                }
                if (n == 13) lastMatchRead = true;
                i += 7;
            } else {
                ++i;
            }
        }
        if (!found) {
            unpublished_ = true;
            return false;
        }
        if (rejected) return false;
        record_ = std::move(rec);
        return true;
    } catch (const std::exception& e) {
        report_.error("GetSchedule", e);
    }
    return false;
}

}  // namespace brenvik
