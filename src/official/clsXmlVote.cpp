#include "official/clsXmlVote.h"

#include <cstdio>
#include <exception>

#include "app/ProgramFolder.h"
#include "app/RuntimeError.h"
#include "official/XmlText.h"

namespace brenvik {

namespace {

// Element names of the outcomes in file order (draw, home win, away win) with their codes.
struct OutcomeElement {
    const char* name;
    std::size_t code;
};
constexpr OutcomeElement OutcomeElements[] = {{"その他", 0}, {"ホーム勝ち", 1}, {"ホーム負け", 2}};

void writeTotals(xmltext::Writer& w, const char* name, const VoteTotals& t) {
    w.line(std::string("<") + name + ">");
    w.element("合計", t.Total);
    w.element("マルチ", t.Multi);
    w.element("シングル", t.Single);
    w.line(std::string("</") + name + ">");
}

// "<売上金額><合計>" and the like into the totals; false when the key is none of them.
bool readTotals(std::string_view key, std::string_view value, std::string_view block,
                VoteTotals& t) {
    if (key.substr(0, block.size()) != block) return false;
    const std::string_view item = key.substr(block.size());
    if (item == "<合計>")
        t.Total = xmltext::toCurrency(value);
    else if (item == "<マルチ>")
        t.Multi = xmltext::toCurrency(value);
    else if (item == "<シングル>")
        t.Single = xmltext::toCurrency(value);
    return true;
}

}  // namespace

std::string clsXmlVote::GetFileName(int32_t Kaisai, const std::string& Kumi) const {
    char b[16];
    std::snprintf(b, sizeof b, "%03d", Kaisai);
    return programFolder().join(std::string("SysData/toto_Vote/toto_vote_") + b +
                                (Kumi.empty() ? "" : "_" + Kumi) + ".xml");
}

std::string clsXmlVote::GetXmlString(bool blnHeader) const {
    xmltext::Writer w;
    if (blnHeader) {
        w.line("<?xml version=\"1.0\" encoding=\"Shift_JIS\"?>");
        w.line("<?xml-stylesheet type=\"text/xsl\" href=\"toto_vote.xsl\"?>");
        w.line("<toto>");
    }
    w.line("<投票状況>");
    w.element("開催回", record_.Kaisaikai);
    if (!record_.Group.empty()) w.element("組", record_.Group);
    w.element("販売終了時点", record_.AsOf);
    for (int32_t m = 1; m <= 13; ++m) {
        const VoteMatch& match = record_.Matches[static_cast<std::size_t>(m)];
        w.line("<指定試合>");
        w.element("番号", m);
        w.element("試合開催日", match.MatchDate);
        w.element("試合開始予定時間", match.StartTime);
        w.element("ホーム", match.Home);
        w.element("アウェイ", match.Away);
        for (const OutcomeElement& o : OutcomeElements) {
            w.line(std::string("<") + o.name + ">");
            w.element("投票口数", match.Outcomes[o.code].Votes);
            w.element("投票率", match.Outcomes[o.code].Ratio);
            w.line(std::string("</") + o.name + ">");
        }
        w.line("</指定試合>");
    }
    writeTotals(w, "売上金額", record_.SalesAmount);
    writeTotals(w, "投票口数", record_.VoteUnits);
    writeTotals(w, "投票枚数", record_.TicketCount);
    w.element("販売開始日", record_.SaleStart);
    w.element("販売終了日", record_.SaleEnd);
    w.element("結果発表日", record_.ResultDate);
    w.element("払戻開始日", record_.PayoutStart);
    w.element("払戻期限", record_.PayoutDeadline);
    w.line("</投票状況>");
    if (blnHeader) w.line("</toto>");
    return w.text();
}

bool clsXmlVote::XmlSave(const std::string& strFileName) {
    try {
        return xmltext::saveFile(report_, "XmlSave", strFileName, GetXmlString(true));
    } catch (const std::exception& e) {
        report_.error("XmlSave", e);
    }
    return false;
}

bool clsXmlVote::XmlLoad(const std::string& strFileName) {
    std::string text;
    if (!xmltext::loadFile(strFileName, text)) return false;
    return setXml(text, true, "XmlLoad");
}

bool clsXmlVote::SetXmlString(const std::string& strXML, bool blnHeader) {
    return setXml(strXML, blnHeader, "SetXmlString");
}

bool clsXmlVote::setXml(const std::string& strXML, bool blnHeader, const char* procedure) {
    try {
        const std::string text = blnHeader ? strXML : "<toto>\r\n" + strXML + "\r\n</toto>";
        VoteRecord rec;
        std::size_t match = 0;
        auto current = [&]() -> VoteMatch& {
            if (match == 0) err::raise(err::SubscriptOutOfRange);
            return rec.Matches[match];
        };
        const bool ok =
            xmltext::read(text, "投票状況", [&](std::string_view key, std::string_view value) {
                if (key == "<開催回>") {
                    rec.Kaisaikai = xmltext::toLong(value);
                } else if (key == "<販売終了時点>") {
                    rec.AsOf = xmltext::toDateTime(value);
                } else if (readTotals(key, value, "<売上金額>", rec.SalesAmount) ||
                           readTotals(key, value, "<投票口数>", rec.VoteUnits) ||
                           readTotals(key, value, "<投票枚数>", rec.TicketCount)) {
                } else if (key == "<販売開始日>") {
                    rec.SaleStart = xmltext::toDateTime(value);
                } else if (key == "<販売終了日>") {
                    rec.SaleEnd = xmltext::toDateTime(value);
                } else if (key == "<結果発表日>" || key == "<結果速報発表日>") {
                    rec.ResultDate = xmltext::toDateTime(value);
                } else if (key == "<払戻開始日>") {
                    rec.PayoutStart = xmltext::toDateTime(value);
                } else if (key == "<払戻期限>") {
                    rec.PayoutDeadline = xmltext::toDateTime(value);
                } else if (key == "<指定試合><番号>") {
                    const int32_t n = xmltext::toLong(value);
                    if (n < 1 || n > 13) err::raise(err::SubscriptOutOfRange);
                    match = static_cast<std::size_t>(n);
                } else if (key == "<指定試合><試合開催日>") {
                    current().MatchDate = xmltext::toDateTime(value);
                } else if (key == "<指定試合><試合開始予定時間>") {
                    current().StartTime = xmltext::toDateTime(value);
                } else if (key == "<指定試合><ホーム>") {
                    current().Home = value;
                } else if (key == "<指定試合><アウェイ>") {
                    current().Away = value;
                } else {
                    for (const OutcomeElement& o : OutcomeElements) {
                        const std::string prefix = std::string("<指定試合><") + o.name + ">";
                        if (key == prefix + "<投票口数>")
                            current().Outcomes[o.code].Votes = xmltext::toCurrency(value);
                        else if (key == prefix + "<投票率>")
                            current().Outcomes[o.code].Ratio = xmltext::toCurrency(value);
                    }
                }
            });
        if (!ok) {
            report_.message(procedure, xmltext::MalformedMessage);
            return false;
        }
        record_ = std::move(rec);
        return true;
    } catch (const std::exception& e) {
        report_.error(procedure, e);
    }
    return false;
}

}  // namespace brenvik
