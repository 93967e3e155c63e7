#include "official/clsXmlResult.h"

#include <cstdio>
#include <exception>

#include "app/ProgramFolder.h"
#include "app/RuntimeError.h"
#include "lottery/clsToto.h"
#include "official/XmlText.h"

namespace brenvik {

std::string clsXmlResult::GradeName(int32_t lngGrade) {
    static const char* const names[] = {"一等", "二等", "三等", "四等", "五等", "六等"};
    if (lngGrade < 1 || lngGrade > 6) return {};
    return names[lngGrade - 1];
}

std::string clsXmlResult::GetFileName(int32_t Kaisai, const std::string& Kumi) const {
    char b[16];
    std::snprintf(b, sizeof b, "%03d", Kaisai);
    return programFolder().join(std::string("SysData/toto_Result/toto_result_") + b +
                                (Kumi.empty() ? "" : "_" + Kumi) + ".xml");
}

std::string clsXmlResult::GetXmlString() const {
    xmltext::Writer w;
    w.line("<?xml version=\"1.0\" encoding=\"Shift_JIS\"?>");
    w.line("<?xml-stylesheet type=\"text/xsl\" href=\"toto_result.xsl\"?>");
    w.line("<toto>");
    w.line("<結果>");
    w.element("開催回", record_.Kaisaikai);
    if (!record_.Group.empty()) w.element("組", record_.Group);
    for (int32_t m = 1; m <= 13; ++m) {
        const ResultMatch& match = record_.Matches[static_cast<std::size_t>(m)];
        w.line("<指定試合>");
        w.element("番号", m);
        w.element("試合開催日", match.MatchDate);
        w.element("競技場", match.Stadium);
        w.element("くじ結果", int32_t{match.LotResult});
        w.element("ホーム", match.Home);
        w.element("アウェイ", match.Away);
        w.element("ホーム得点", int32_t{match.HomeScore});
        w.element("アウェイ得点", int32_t{match.AwayScore});
        w.line("</指定試合>");
    }
    if (record_.CalledOff) {
        w.element("開催状態", "中止");
        w.element("返還確定日", record_.ResultDate);
        w.element("返還開始日", record_.PayoutStart);
        w.element("返還期限", record_.PayoutDeadline);
    } else {
        const int32_t grades = clsToto().GetMaxGrade(record_.Kaisaikai);
        auto block = [&](const char* name, const std::array<Currency, 4>& values) {
            w.line(std::string("<") + name + ">");
            for (int32_t g = 1; g <= grades && g <= 3; ++g)
                w.element(GradeName(g), values[static_cast<std::size_t>(g)]);
            w.line(std::string("</") + name + ">");
        };
        block("当せん金", record_.Prize);
        block("当せん口数", record_.Winners);
        block("次回への繰越金", record_.CarryOver);
        w.element("販売開始日", record_.SaleStart);
        w.element("販売終了日", record_.SaleEnd);
        w.element("結果発表日", record_.ResultDate);
        w.element("払戻開始日", record_.PayoutStart);
        w.element("払戻期限", record_.PayoutDeadline);
    }
    w.line("</結果>");
    w.line("</toto>");
    return w.text();
}

bool clsXmlResult::XmlSave(const std::string& strFileName) {
    try {
        return xmltext::saveFile(report_, "XmlSave", strFileName, GetXmlString());
    } catch (const std::exception& e) {
        report_.error("XmlSave", e);
    }
    return false;
}

bool clsXmlResult::XmlLoad(const std::string& strFileName) {
    std::string text;
    if (!xmltext::loadFile(strFileName, text)) return false;
    return setXml(text, "XmlLoad");
}

bool clsXmlResult::SetXmlString(const std::string& strXML) {
    return setXml(strXML, "SetXmlString");
}

bool clsXmlResult::setXml(const std::string& strXML, const char* procedure) {
    try {
        ResultRecord rec;
        std::size_t match = 0;
        auto current = [&]() -> ResultMatch& {
            if (match == 0) err::raise(err::SubscriptOutOfRange);
            return rec.Matches[match];
        };
        // "<当せん金><一等>" and the like: the grade's entry, false when the key is none.
        auto grade = [](std::string_view key, std::string_view block,
                        std::array<Currency, 4>& values, std::string_view value) {
            if (key.substr(0, block.size()) != block) return false;
            const std::string_view item = key.substr(block.size());
            for (int32_t g = 1; g <= 3; ++g) {
                if (item == "<" + GradeName(g) + ">")
                    values[static_cast<std::size_t>(g)] = xmltext::toCurrency(value);
            }
            return true;
        };
        const bool ok =
            xmltext::read(strXML, "結果", [&](std::string_view key, std::string_view value) {
                if (key == "<開催回>") {
                    rec.Kaisaikai = xmltext::toLong(value);
                } else if (grade(key, "<当せん金>", rec.Prize, value) ||
                           grade(key, "<当せん口数>", rec.Winners, value) ||
                           grade(key, "<次回への繰越金>", rec.CarryOver, value)) {
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
                } else if (key == "<指定試合><くじ結果>") {
                    current().LotResult = xmltext::toByte(value);
                } else if (key == "<指定試合><競技場>") {
                    current().Stadium = value;
                } else if (key == "<指定試合><ホーム>") {
                    current().Home = value;
                } else if (key == "<指定試合><アウェイ>") {
                    current().Away = value;
                } else if (key == "<指定試合><ホーム得点>") {
                    current().HomeScore = xmltext::toByte(value);
                } else if (key == "<指定試合><アウェイ得点>") {
                    current().AwayScore = xmltext::toByte(value);
                } else if (key == "<指定試合><試合開催日>") {
                    current().MatchDate = xmltext::toDateTime(value);
                } else if (key == "<開催状態>") {
                    rec.CalledOff = value == "中止";
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
