#pragma once
#include <string>
#include <utility>
#include <vector>

#include "app/Messages.h"

namespace brenvik {

// Read-only reader of "name = value" text files (CP932). Names and values compare without
// regard to letter case; the first matching line wins.
class clsIniFile {
  public:
    void Initialize(const std::string& strFileName);
    // The same reading rules over text already decoded (tests, fuzzing).
    void InitializeFromText(const std::string& strText);

    bool Enabled() const { return enabled_; }
    bool ItemExists(const std::string& strKey) const;
    std::string GetItem(const std::string& strKey, const std::string& strDefault) const;
    bool KeyExists(const std::string& strItem) const;
    std::string GetKey(const std::string& strItem) const;

    const std::string& FileName() const { return fileName_; }
    const std::vector<std::pair<std::string, std::string>>& Pairs() const { return pairs_; }

  private:
    std::string fileName_;
    bool enabled_ = false;
    std::vector<std::pair<std::string, std::string>> pairs_;
    ErrorReport report_{"clsIniFile"};
};

}  // namespace brenvik
