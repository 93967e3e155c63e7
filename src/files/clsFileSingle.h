#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "app/Messages.h"
#include "engine/SingleRecord.h"

namespace brenvik {

// The single CSV file: one single a line, the outcomes of matches 1 to 13 joined by ",".
class clsFileSingle {
  public:
    // True on success and when no such file exists (nothing is read then); false after the
    // read error, reported. Outcomes other than 0, 1 and 2 are a read error.
    bool LoadCsvData(const std::string& strFileName);
    // The reading rules over text already decoded; the name only goes into the message.
    bool LoadCsvText(const std::string& utf8Text, const std::string& strFileName);

    int32_t Count() const { return count_; }
    // Singles()[i] is single i + 1.
    std::vector<SingleRecord> Singles() const { return singles_; }
    // Hands the singles over without a copy; Count stays.
    std::vector<SingleRecord> TakeSingles() { return std::move(singles_); }

    // Writes the first lngCount singles, replacing the file safely. blnWarningMsg is kept
    // for the callers' sake: the save dialog has already asked about replacing.
    bool SinglesSave(const std::string& strFileName, bool blnWarningMsg,
                     const std::vector<SingleRecord>& singles, int32_t lngCount);
    // The file's text for those singles (UTF-8, CR LF; digits only).
    static std::string CsvText(const std::vector<SingleRecord>& singles, int32_t lngCount);

  private:
    int32_t count_ = 0;
    std::vector<SingleRecord> singles_;
    ErrorReport report_{"clsFileSingle"};
};

}  // namespace brenvik
