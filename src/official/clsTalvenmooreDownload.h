#pragma once
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "app/Messages.h"
#include "official/clsWinInet.h"

namespace brenvik {

// The maker's download: a newer TeamName2.dat after comparing versions through version.dat,
// both from the site settings' TalvenmooreDownloadUrl.
class clsTalvenmooreDownload {
  public:
    // True when the table is up to date afterwards; false otherwise (the user has been told,
    // unless they answered No).
    bool DownloadTeamName2(OwnerWindow* objOwnerForm, bool blnDQuestion);
    // The version-list entry named strKey (ignoring case), or strDefault.
    std::string GetItem(const std::string& strKey, const std::string& strDefault) const;
    int32_t Count() const { return static_cast<int32_t>(list_.size()); }

    // "major.minor" as major × 1000 + minor; 0 (unknown) without "." or with an empty part.
    static int64_t VersionNumber(const std::string& strVersion);
    // The version list rules over a downloaded text; false without "[VersionEnd]".
    static bool ParseVersionList(const std::string& strText,
                                 std::vector<std::pair<std::string, std::string>>& lstItems);

    clsWinInet& WinInet() { return net_; }

  private:
    bool GetFileVersion(OwnerWindow* objOwnerForm);
    bool GetTeamName2(OwnerWindow* objOwnerForm);
    bool CheckText(const std::string& strText) const;
    void downloadFailure(const std::string& strCause) const;

    clsWinInet net_;
    std::vector<std::pair<std::string, std::string>> list_;
    ErrorReport report_{"clsTalvenmooreDownload"};
};

}  // namespace brenvik
