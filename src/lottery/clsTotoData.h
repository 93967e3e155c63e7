#pragma once
#include <cstdint>
#include <string>

#include "app/Messages.h"
#include "app/clsIniFile.h"

namespace brenvik {

// The team-name tables of SysData: short name (what the program shows) = long name (what the
// official pages print). The constructor loads all five files; create one instance per use.
class clsTotoData {
  public:
    clsTotoData();

    // Kept for start-up, which calls it; the tables carry no check of their own.
    void CheckVersion() {}

    // The short name for a long name as printed by the pages of round `lngRound`; empty (after
    // a warning box) when the round is 0 or no table knows the name.
    std::string GetShortTeamName(const std::string& strLongName, int32_t lngRound) const;
    // The long name TeamName.dat gives a short name; empty when it has none.
    std::string GetLongTeamName(const std::string& strShortName) const;
    // "J1", "J2" or "J3": the first league of `lngYear` whose membership text contains the
    // short name (a plain substring test); empty when none does.
    std::string GetShortToJ1J2String(const std::string& strShortName, int32_t lngYear) const;
    // Version "." Revision of TeamName2.dat; "." when both are missing.
    std::string GetTeamName2Version() const;
    // Whether TeamName.dat, TeamName2.dat or the user's TeamName3.dat has this long name.
    bool ExistsLongTeamName(const std::string& strLongName) const;

  private:
    clsIniFile teamName_;
    clsIniFile teamName1_;
    clsIniFile teamName2_;
    clsIniFile teamName3_;  // the user's own; optional
    clsIniFile j1j2_;
    ErrorReport report_{"clsTotoData"};
};

}  // namespace brenvik
