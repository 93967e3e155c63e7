#pragma once
#include <cstdint>
#include <string>

#include "app/Currency.h"

namespace brenvik {

// The printer settings of the print window, as SysData/Printer.ini stores them.
struct PrinterSettings {
    std::string PrinterName;
    int32_t PrinterOrientation = 1;  // 1 portrait "A4(縦)", 2 landscape "A4(横)"
    Currency PrinterLeftMargin;      // millimetres to shift the print left
    Currency PrinterTopMargin;       // millimetres to shift the print up
    bool PrinterOpenNo = false;
    bool PrinterOpenText = false;
    bool PrinterPageText = false;
    bool PrinterFileText = false;
    bool PrinterSendDataA = false;

    bool operator==(const PrinterSettings&) const = default;
};

namespace PrinterIni {

// The settings a new file gets: the system's default printer, portrait, no shift, no options.
PrinterSettings Defaults(const std::string& strDefaultPrinter);

std::string FilePath();  // SysData/Printer.ini under the program folder

// The exact file text (UTF-8, CR LF) before the CP932 conversion.
std::string FileText(const PrinterSettings& settings);
// The reading rules over decoded text: a key that is missing, or whose value does not convert,
// keeps its default (a flag then counts as not set).
PrinterSettings ParseText(const std::string& strText, const std::string& strDefaultPrinter);

// Reads the file into `settings`; false (reported) when it cannot be read.
bool Load(const std::string& strFileName, const std::string& strDefaultPrinter,
          PrinterSettings& settings);
// Writes the file safely (temporary file + rename); false (reported) on failure.
bool Save(const std::string& strFileName, const PrinterSettings& settings);
// Writes the defaults when the file does not exist yet.
bool CreateIfMissing(const std::string& strFileName, const std::string& strDefaultPrinter);

}  // namespace PrinterIni
}  // namespace brenvik
