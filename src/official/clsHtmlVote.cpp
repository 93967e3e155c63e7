#include "official/clsHtmlVote.h"

#include <exception>

#include "app/Utf8.h"
#include "official/OperatorSite.h"
#include "official/PageCells.h"
#include "official/basTotoSettings.h"

namespace brenvik {

clsHtmlVote::clsHtmlVote()
    : voteUrl_(basTotoSettings::values().totoOfficialVoteUrl),
      totoUrl_(basTotoSettings::values().totoOfficialTotoUrl) {}

bool clsHtmlVote::GetVote(int32_t Kaisai, const std::string& Kumi, OwnerWindow* objOwnerForm,
                          bool& blnFinal) {
    (void)Kumi;  // a group's vote page has no address of its own
    record_ = VoteRecord{};
    unpublished_ = false;
    blnFinal = false;
    try {
        html_.ProgressDialogMessage("第" + std::to_string(Kaisai) +
                                    "回 投票状況情報取得中 (オフィシャル)");
        if (html_.GetHttp(operator_site::VoteUrl(voteUrl_, Kaisai, totoUrl_), operator_site::Proxy,
                          objOwnerForm, operator_site::PageCode) < 1)
            return false;
        std::vector<std::string> cells;
        html_.GetTextData(cells);
        return readCells(cells, blnFinal);
    } catch (const std::exception& e) {
        report_.error("GetVote", e);
    }
    return false;
}

bool clsHtmlVote::ReadPage(const std::string& strHtml, bool& blnFinal) {
    record_ = VoteRecord{};
    unpublished_ = false;
    blnFinal = false;
    try {
        if (html_.SetPage(strHtml) < 1) return false;
        std::vector<std::string> cells;
        html_.GetTextData(cells);
        return readCells(cells, blnFinal);
    } catch (const std::exception& e) {
        report_.error("GetVote", e);
    }
    return false;
}

bool clsHtmlVote::ReadCells(const std::vector<std::string>& strList, bool& blnFinal) {
    record_ = VoteRecord{};
    unpublished_ = false;
    blnFinal = false;
    return readCells(strList, blnFinal);
}

bool clsHtmlVote::readCells(const std::vector<std::string>& list, bool& blnFinal) {
    try {
        const PageCells cells(list);
        VoteRecord rec;
        bool headingFound = false;
        bool asOfFound = false;
        bool final = false;
        bool rejected = false;
        int year = 0;
        DateTime pendingDate;
        DateTime pendingTime;
        std::size_t i = 1;
        auto totals = [&](VoteTotals& t) {
            t.Total = toto_.StringToCurrency(cells.at(i + 1));
            t.Multi = toto_.StringToCurrency(cells.at(i + 2));
            t.Single = toto_.StringToCurrency(cells.at(i + 3));
            i += 4;
        };
        while (i <= cells.size() && !rejected) {
            const std::string& c = cells[i];
            if (!headingFound) {
                if (c == operator_site::VoteNotShown) break;
                int32_t k = rec.Kaisaikai;
                if (toto_.Kaisaikai(c, k)) {
                    headingFound = true;
                    rec.Kaisaikai = k;
                }
                ++i;
                continue;
            }
            if (!asOfFound) {
                DateTime asOf;
                if (toto_.GetStringToDateNow(c, asOf, final)) {
                    asOfFound = true;
                    rec.AsOf = asOf;
                    year = asOf.year();
                }
                ++i;
                continue;
            }
            if (c == "売上金額") {
                totals(rec.SalesAmount);
            } else if (c == "投票口数") {
                totals(rec.VoteUnits);
            } else if (c == "投票枚数") {
                totals(rec.TicketCount);
            } else if (c == "販売期間") {
                toto_.DateString2(cells.at(i + 1), rec.SaleStart, rec.SaleEnd);
                i += 2;
            } else if (c == "結果発表日") {
                rec.ResultDate = toto_.StringToDateEx(cells.at(i + 1));
                i += 2;
            } else if (c == "払戻開始日") {
                rec.PayoutStart = toto_.StringToDateEx(cells.at(i + 1));
                i += 2;
            } else if (c == "払戻期限") {
                rec.PayoutDeadline = toto_.StringToDateEx(cells.at(i + 1));
                i += 2;
            } else {
                // A match row, with or without its own date and kick-off cells.
                std::size_t h = i;
                if (PageCells::isDate(cells[h])) {
                    pendingDate = PageCells::dateOf(std::to_string(year) + "/" + cells[h]);
                    pendingTime = PageCells::timeOf(cells.at(h + 1));
                    h += 2;
                }
                std::string number = cells.at(h);
                if (number.find("中止") != std::string::npos) number = utf8::mid(number, 3);
                const int n = PageCells::matchNumber(number, 13);
                if (n == 0) {
                    i = h + 1;
                    continue;
                }
                VoteMatch& m = rec.Matches[static_cast<std::size_t>(n)];
                m.MatchDate = pendingDate;
                m.StartTime = pendingTime;
                m.Home = cells.at(h + 1);
                for (std::size_t k = 0; k < 3 && !rejected; ++k) {
                    static constexpr std::size_t codes[] = {1, 0, 2};
                    VoteOutcome& o = m.Outcomes[codes[k]];
                    if (!toto_.GetValue2(cells.at(h + 2 + k), o.Votes, o.Ratio)) rejected = true;
                }
                if (rejected) break;
                m.Away = cells.at(h + 5);
                i = h + 6;
            }
        }
        if (!asOfFound) {
            unpublished_ = true;
            return false;
        }
        if (rejected) return false;
        if (final) rec.AsOf = rec.SaleEnd;
        record_ = std::move(rec);
        blnFinal = final;
        return true;
    } catch (const std::exception& e) {
        report_.error("GetVote", e);
    }
    return false;
}

}  // namespace brenvik
