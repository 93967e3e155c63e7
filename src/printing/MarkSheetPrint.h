#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "printing/PrintJob.h"
#include "printing/PrinterIni.h"

namespace brenvik {

// What the print window's controls say at the moment of printing.
struct PrintRequest {
    PrinterSettings settings;
    bool allPages = true;  // optPages(0); otherwise startPage..endPage
    int32_t startPage = 1;
    int32_t endPage = 1;
    int32_t openNo = 0;  // txtOpenNo: the round whose number and pairings are printed
    std::string kumi;    // the group chosen in cmbKumi: "A", "B" or empty
};

// The match pairing texts of rows 1..13 (slot 0 unused).
using PairingTexts = std::array<std::string, 14>;

// Everything the print window computes: pages and slots of the singles, and the drawing
// commands of a print or of the test print. No printer is touched here.
class MarkSheetPrint {
  public:
    // ShowForm's values: the singles as selection numbers (from 0), the round, the group text
    // ("A", "B" or empty) and the file-name part of the prediction file.
    MarkSheetPrint(std::vector<int32_t> lngSingleNo, int32_t lngOpenNo, std::string strKumi,
                   std::string strFileName);

    int32_t SingleCount() const { return static_cast<int32_t>(singles_.size()); }
    int32_t PageCount() const { return (SingleCount() - 1) / 10 + 1; }
    int32_t OpenNo() const { return openNo_; }
    const std::string& Kumi() const { return kumi_; }
    const std::string& FileName() const { return fileName_; }

    // The pages of the request's range that hold singles, in order.
    std::vector<int32_t> PagesToPrint(const PrintRequest& request) const;
    // OK: one job per page, or one job of all pages when PrinterSendDataA; none without
    // singles. The pairings are looked up in the schedule cache when the request asks for them.
    std::vector<PrintJob> PrintJobs(const PrintRequest& request) const;
    // The same with the pairings given (nullopt: the round's schedule is not cached).
    std::vector<PrintJob> PrintJobs(const PrintRequest& request,
                                    const std::optional<PairingTexts>& pairings) const;
    // The test print: the sheet grid, the corner combs and every box outlined.
    PrintJob TestJob(const PrintRequest& request) const;

    // The controls as the window opens: all pages, the range 1 to the page count, the round
    // handed in and the group of the group text.
    PrintRequest InitialRequest(const PrinterSettings& settings) const;
    // A number box: its value, 0 when the text is not numeric.
    static double BoxValue(const std::string& strText);
    // A shift box's text ("##0.00").
    static std::string ShiftText(Currency curMillimetres);

    // The last 9 characters of ten blanks + page + "/" + count.
    static std::string PageText(int32_t lngPage, int32_t lngPageCount);
    // At most 10 bytes of the name in the Windows Japanese code page, never half a
    // double-byte character.
    static std::string FileText(const std::string& strFileName);
    // "mm/dd " + home (3 characters, padded with full-width blanks) + " " + away (likewise).
    static std::string PairingText(int month, int day, const std::string& strHome,
                                   const std::string& strAway);
    // The pairings of a cached schedule (no download); nullopt when the round is not cached.
    static std::optional<PairingTexts> CachedPairings(int32_t lngOpenNo,
                                                      const std::string& strKumi);

  private:
    std::string effectiveKumi(const PrintRequest& request) const;

    std::vector<int32_t> singles_;
    int32_t openNo_ = 0;
    std::string kumi_;
    std::string fileName_;
};

}  // namespace brenvik
