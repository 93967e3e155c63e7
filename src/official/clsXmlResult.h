#pragma once
#include <cstdint>
#include <string>

#include "app/Messages.h"
#include "official/ResultRecord.h"

namespace brenvik {

// The result cache file of a round in SysData/toto_Result.
class clsXmlResult {
  public:
    // Program folder + "/SysData/toto_Result/toto_result_" + round ("000")
    // + ("_" + Kumi) + ".xml".
    std::string GetFileName(int32_t Kaisai, const std::string& Kumi) const;
    bool XmlSave(const std::string& strFileName);
    bool XmlLoad(const std::string& strFileName);

    // The file's text for the kept record, and the reading of such a text.
    std::string GetXmlString() const;
    bool SetXmlString(const std::string& strXML);

    const ResultRecord& Result() const { return record_; }
    void Result(const ResultRecord& record) { record_ = record; }

    // "一等" … "六等" for grades 1 to 6; empty text for any other number.
    static std::string GradeName(int32_t lngGrade);

  private:
    bool setXml(const std::string& strXML, const char* procedure);

    ResultRecord record_;
    ErrorReport report_{"clsXmlResult"};
};

}  // namespace brenvik
