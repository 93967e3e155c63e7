#pragma once
#include <string>
#include <vector>

#include "printing/PrintJob.h"

// No Qt in this header: the command line prints through it too.
namespace brenvik::ui {

// Draws the job's pages on A4 in millimetres into a PDF file. False with `error` set when the
// file cannot be written.
bool PrintJobToPdf(const PrintJob& job, const std::string& path, std::string& error);
// Sends the job to an installed printer (CUPS): its printerName, or the default printer when
// the name is empty.
bool PrintJobToPrinter(const PrintJob& job, std::string& error);

// Device names of the installed printers, and the default printer's ("" when none).
std::vector<std::string> InstalledPrinterNames();
std::string DefaultPrinterName();

}  // namespace brenvik::ui
