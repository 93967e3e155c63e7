#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "app/Messages.h"
#include "app/basIniFile.h"
#include "engine/MultiTypes.h"
#include "engine/SingleRecord.h"
#include "official/ScheduleRecord.h"
#include "official/clsSchedule.h"

namespace brenvik {

// The prediction as plain text on the clipboard: the multi match by match, or how the loaded
// singles split between the outcomes. The Copy* settings choose the parts; team names come
// from the round's cached schedule.
class clsClipboard {
  public:
    clsClipboard();

    // lngCount: the singles the selected pattern yields (0 without a pattern).
    bool SetData(const MultiMarks& marks, int32_t lngCount);
    // singles[i] is single i + 1; lngCount of them are described.
    bool SetCsvData(const std::vector<SingleRecord>& singles, int32_t lngCount);

    // The texts (CR LF) for a round; they throw the RuntimeError that the two above report.
    static std::string MultiText(const MultiMarks& marks, int32_t lngCount, int32_t lngRound,
                                 const ScheduleRecord& schedule, const Settings& settings);
    static std::string SinglesText(const std::vector<SingleRecord>& singles, int32_t lngCount,
                                   int32_t lngRound, const ScheduleRecord& schedule,
                                   const Settings& settings);
    // A team name trimmed, padded with ideographic spaces and cut to 3 characters.
    static std::string TeamField(const std::string& name);

  private:
    // The current round's schedule from the cache only; empty when it is not cached.
    ScheduleRecord cachedSchedule();
    bool place(const char* procedure, const std::string& text);

    clsSchedule schedule_;
    ErrorReport report_{"clsClipboard"};
};

}  // namespace brenvik
