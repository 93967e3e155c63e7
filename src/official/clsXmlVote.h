#pragma once
#include <cstdint>
#include <string>

#include "app/Messages.h"
#include "official/VoteRecord.h"

namespace brenvik {

// The vote cache file of a round in SysData/toto_Vote, and the same block inside the data
// file (without the file header and root).
class clsXmlVote {
  public:
    // Program folder + "/SysData/toto_Vote/toto_vote_" + round ("000") + ("_" + Kumi) + ".xml".
    std::string GetFileName(int32_t Kaisai, const std::string& Kumi) const;
    bool XmlSave(const std::string& strFileName);
    // The text of the kept record; without blnHeader the vote block alone.
    std::string GetXmlString(bool blnHeader) const;
    bool XmlLoad(const std::string& strFileName);
    // Reads such a text into the kept record; false (reported) when it is malformed.
    bool SetXmlString(const std::string& strXML, bool blnHeader);

    const VoteRecord& Vote() const { return record_; }
    void Vote(const VoteRecord& record) { record_ = record; }

  private:
    bool setXml(const std::string& strXML, bool blnHeader, const char* procedure);

    VoteRecord record_;
    ErrorReport report_{"clsXmlVote"};
};

}  // namespace brenvik
