#include "official/clsXmlSchedule.h"

#include <cstdio>
#include <exception>
#include <filesystem>

#include "app/ProgramFolder.h"
#include "app/RuntimeError.h"
#include "app/clsFileSystemObject.h"
#include "official/XmlText.h"

namespace brenvik {

namespace {

std::string roundDigits(int32_t round) {
    char b[16];
    std::snprintf(b, sizeof b, "%03d", round);
    return b;
}

}  // namespace

std::string clsXmlSchedule::GetFileName(int32_t Kaisai, const std::string& Kumi) const {
    return programFolder().join("SysData/toto_Schedule/toto_schedule_" + roundDigits(Kaisai) +
                                (Kumi.empty() ? "" : "_" + Kumi) + ".xml");
}

std::string clsXmlSchedule::GetXmlString() const {
    xmltext::Writer w;
    w.line("<?xml version=\"1.0\" encoding=\"Shift_JIS\"?>");
    w.line("<?xml-stylesheet type=\"text/xsl\" href=\"toto_schedule.xsl\"?>");
    w.line("<toto>");
    w.line("<開催>");
    w.element("開催回", record_.Kaisaikai);
    if (!record_.Group.empty()) w.element("組", record_.Group);
    for (int32_t m = 1; m <= 13; ++m) {
        const ScheduleMatch& match = record_.Matches[static_cast<std::size_t>(m)];
        w.line("<指定試合>");
        w.element("番号", m);
        w.element("試合開催日", match.MatchDate);
        w.element("試合開始予定時間", match.StartTime);
        w.element("競技場", match.Stadium);
        w.element("状態", match.MatchState);
        w.element("ホーム", match.Home);
        w.element("アウェイ", match.Away);
        w.line("</指定試合>");
    }
    w.element("販売開始日", record_.SaleStart);
    w.element("販売終了日", record_.SaleEnd);
    if (record_.HoldState == 2) {
        w.line("<開催状態>中止</開催状態>");
    } else {
        w.element("結果発表日", record_.ResultDate);
        w.element("払戻開始日", record_.PayoutStart);
        w.element("払戻期限", record_.PayoutDeadline);
    }
    w.line("</開催>");
    w.line("</toto>");
    return w.text();
}

std::string clsXmlSchedule::NoGameXmlString(int32_t Kaisai) {
    xmltext::Writer w;
    w.line("<?xml version=\"1.0\" encoding=\"Shift_JIS\"?>");
    w.line("<?xml-stylesheet type=\"text/xsl\" href=\"style.xsl\"?>");
    w.line("<toto>");
    w.line("<開催>");
    w.element("開催回", Kaisai);
    w.element("開催状態", "1");
    w.line("</開催>");
    w.line("</toto>");
    return w.text();
}

bool clsXmlSchedule::XmlSave(const std::string& strFileName) {
    try {
        return xmltext::saveFile(report_, "XmlSave", strFileName, GetXmlString());
    } catch (const std::exception& e) {
        report_.error("XmlSave", e);
    }
    return false;
}

bool clsXmlSchedule::XmlSave_NoGame(int32_t Kaisai, const std::string& Kumi) {
    try {
        return xmltext::saveFile(report_, "XmlSave_NoGame", GetFileName(Kaisai, Kumi),
                                 NoGameXmlString(Kaisai));
    } catch (const std::exception& e) {
        report_.error("XmlSave_NoGame", e);
    }
    return false;
}

bool clsXmlSchedule::XmlDelete_NoGame(int32_t Kaisai, const std::string& Kumi) {
    const std::string name = GetFileName(Kaisai, Kumi);
    std::error_code ec;
    if (std::filesystem::remove(name, ec) && !ec) return true;
    report_.message("XmlDelete_NoGame", "ファイルの削除に失敗しました。\r\n" + name);
    return false;
}

bool clsXmlSchedule::XmlLoad(const std::string& strFileName) {
    std::string text;
    if (!xmltext::loadFile(strFileName, text)) return false;
    return setXml(text, "XmlLoad");
}

bool clsXmlSchedule::SetXmlString(const std::string& strXML) {
    return setXml(strXML, "SetXmlString");
}

bool clsXmlSchedule::setXml(const std::string& strXML, const char* procedure) {
    try {
        ScheduleRecord rec;
        std::size_t match = 0;
        auto current = [&]() -> ScheduleMatch& {
            if (match == 0) err::raise(err::SubscriptOutOfRange);
            return rec.Matches[match];
        };
        const bool ok =
            xmltext::read(strXML, "開催", [&](std::string_view key, std::string_view value) {
                if (key == "<開催回>") {
                    rec.Kaisaikai = xmltext::toLong(value);
                } else if (key == "<組>") {
                    rec.Group = value;
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
                } else if (key == "<指定試合><ホーム>") {
                    current().Home = value;
                } else if (key == "<指定試合><アウェイ>") {
                    current().Away = value;
                } else if (key == "<指定試合><試合開催日>") {
                    current().MatchDate = xmltext::toDateTime(value);
                } else if (key == "<指定試合><試合開始予定時間>") {
                    current().StartTime = xmltext::toDateTime(value);
                } else if (key == "<指定試合><競技場>") {
                    current().Stadium = value;
                } else if (key == "<指定試合><状態>") {
                    current().MatchState = value;
                } else if (key == "<開催状態>") {
                    rec.HoldState = value == "中止" ? 2 : xmltext::toLong(value);
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
