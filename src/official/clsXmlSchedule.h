#pragma once
#include <cstdint>
#include <string>

#include "app/Messages.h"
#include "official/ScheduleRecord.h"

namespace brenvik {

// The schedule cache file of a round in SysData/toto_Schedule, and the not-held mark written
// under the same name.
class clsXmlSchedule {
  public:
    // Program folder + "/SysData/toto_Schedule/toto_schedule_" + round ("000")
    // + ("_" + Kumi) + ".xml".
    std::string GetFileName(int32_t Kaisai, const std::string& Kumi) const;
    bool XmlSave(const std::string& strFileName);
    bool XmlLoad(const std::string& strFileName);
    bool XmlSave_NoGame(int32_t Kaisai, const std::string& Kumi);
    bool XmlDelete_NoGame(int32_t Kaisai, const std::string& Kumi);

    // The file's text for the kept record, and the reading of such a text (what XmlSave writes
    // and XmlLoad reads).
    std::string GetXmlString() const;
    bool SetXmlString(const std::string& strXML);

    const ScheduleRecord& Schedule() const { return record_; }
    void Schedule(const ScheduleRecord& record) { record_ = record; }

    // The not-held mark's text for a round.
    static std::string NoGameXmlString(int32_t Kaisai);

  private:
    bool setXml(const std::string& strXML, const char* procedure);

    ScheduleRecord record_;
    ErrorReport report_{"clsXmlSchedule"};
};

}  // namespace brenvik
