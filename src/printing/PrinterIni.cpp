#include "printing/PrinterIni.h"

#include <filesystem>

#include "app/AppInfo.h"
#include "app/Classic.h"
#include "app/Cp932.h"
#include "app/Messages.h"
#include "app/ProgramFolder.h"
#include "app/clsFileStream.h"
#include "app/clsIniFile.h"

namespace brenvik::PrinterIni {
namespace {

// The print window owns the file; its reports carry its name.
const ErrorReport report("frmPrint");

template <typename T, typename Convert>
void readValue(const clsIniFile& ini, const char* key, T& member, Convert convert) {
    if (!ini.ItemExists(key)) return;
    try {
        member = convert(ini.GetItem(key, ""));
    } catch (const std::exception&) {
        // A value of the wrong kind keeps the default rather than failing the whole window.
    }
}

PrinterSettings fromIni(const clsIniFile& ini, const std::string& strDefaultPrinter) {
    PrinterSettings s = Defaults(strDefaultPrinter);
    if (ini.ItemExists("PrinterName")) s.PrinterName = ini.GetItem("PrinterName", "");
    auto toLong = [](const std::string& v) { return classic::toLong(v); };
    auto toCurrency = [](const std::string& v) { return classic::toCurrency(v); };
    auto toBoolean = [](const std::string& v) { return classic::toBoolean(v); };
    readValue(ini, "PrinterOrientation", s.PrinterOrientation, toLong);
    readValue(ini, "PrinterLeftMargin", s.PrinterLeftMargin, toCurrency);
    readValue(ini, "PrinterTopMargin", s.PrinterTopMargin, toCurrency);
    readValue(ini, "PrinterOpenNo", s.PrinterOpenNo, toBoolean);
    readValue(ini, "PrinterOpenText", s.PrinterOpenText, toBoolean);
    readValue(ini, "PrinterPageText", s.PrinterPageText, toBoolean);
    readValue(ini, "PrinterFileText", s.PrinterFileText, toBoolean);
    readValue(ini, "PrinterSendDataA", s.PrinterSendDataA, toBoolean);
    return s;
}

}  // namespace

PrinterSettings Defaults(const std::string& strDefaultPrinter) {
    PrinterSettings s;
    s.PrinterName = strDefaultPrinter;
    return s;
}

std::string FilePath() {
    return programFolder().join("SysData/Printer.ini");
}

std::string FileText(const PrinterSettings& s) {
    std::string t;
    auto line = [&t](const std::string& text) { t += text + "\r\n"; };
    auto flag = [&line](const char* key, bool value) {
        line(std::string(key) + " = " + classic::booleanText(value));
    };
    line(std::string(";") + app::CompanyName + " Printer Ini File (Printer.ini)");
    line(std::string(";") + app::LegalCopyright);
    line("");
    line(";[Printer]");
    line("PrinterName = " + s.PrinterName);
    line("PrinterOrientation = " + std::to_string(s.PrinterOrientation));
    line("PrinterLeftMargin = " + s.PrinterLeftMargin.toString());
    line("PrinterTopMargin = " + s.PrinterTopMargin.toString());
    flag("PrinterOpenNo", s.PrinterOpenNo);
    flag("PrinterOpenText", s.PrinterOpenText);
    flag("PrinterPageText", s.PrinterPageText);
    flag("PrinterFileText", s.PrinterFileText);
    flag("PrinterSendDataA", s.PrinterSendDataA);
    return t;
}

PrinterSettings ParseText(const std::string& strText, const std::string& strDefaultPrinter) {
    clsIniFile ini;
    ini.InitializeFromText(strText);
    return fromIni(ini, strDefaultPrinter);
}

bool Load(const std::string& strFileName, const std::string& strDefaultPrinter,
          PrinterSettings& settings) {
    std::string bytes;
    try {
        bytes = clsFileStream::ReadWholeFile(strFileName);
    } catch (const std::exception&) {
        report.message("Form_Load", "ファイルの読込に失敗しました。\r\n" + strFileName);
        return false;
    }
    settings = ParseText(cp932::toUtf8(bytes), strDefaultPrinter);
    return true;
}

bool Save(const std::string& strFileName, const PrinterSettings& settings) {
    try {
        clsFileStream::WriteFileReplacing(strFileName, cp932::fromUtf8(FileText(settings)));
        return true;
    } catch (const std::exception&) {
        report.message("Form_Unload", "ファイルの保存に失敗しました。\r\n" + strFileName);
    }
    return false;
}

bool CreateIfMissing(const std::string& strFileName, const std::string& strDefaultPrinter) {
    std::error_code ec;
    if (std::filesystem::exists(strFileName, ec)) return true;
    return Save(strFileName, Defaults(strDefaultPrinter));
}

}  // namespace brenvik::PrinterIni
