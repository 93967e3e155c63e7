#pragma once
#include <cstdint>
#include <string>

#include "app/Messages.h"
#include "engine/MultiTypes.h"

namespace brenvik {

// What a multi file holds: the round, the marks of its 13 matches and the chosen pattern.
struct FileMultiData {
    int32_t GameNo = 0;
    MultiMarks Marks{};     // the MultiMarks layout; every byte 0..3
    int32_t PatternID = 0;  // 0 = none

    bool operator==(const FileMultiData&) const = default;
};

// Reader of the multi file (.qel): ";Brenvik DataFile", "GameNo = ", "Multi01 = " to
// "Multi13 = " with the three mark digits of outcomes 1, 0, 2, and "PatternID = ".
class clsFileMulti {
  public:
    // True on success and when no such file exists (the record is then left as it was);
    // false after the read error, reported.
    bool LoadMultiData(const std::string& strFileName);
    // The reading rules over text already decoded; the name only goes into the message.
    bool LoadMultiText(const std::string& utf8Text, const std::string& strFileName);

    FileMultiData Data() const { return data_; }

  private:
    FileMultiData data_;
    ErrorReport report_{"clsFileMulti"};
};

}  // namespace brenvik
