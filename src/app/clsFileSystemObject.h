#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "app/Messages.h"

namespace brenvik {

// Path pieces, existence tests, folder creation, file lists and moves on native paths.
// A relative path is joined to the program folder with "/"; a path that begins with "/" is
// absolute.
class clsFileSystemObject {
public:
    std::string GetFullPath(const std::string& strPath) const;
    std::string BuildPath(const std::string& strFolder, const std::string& strName) const;
    // A normal file (not a folder) matches; "*" and "?" may stand in the last piece.
    bool FileExists(const std::string& strPath) const;
    // A folder or a file of that name.
    bool FolderExists(const std::string& strPath) const;
    std::string GetFileName(const std::string& strPath) const;
    std::string GetExtensionName(const std::string& strPath) const;
    std::string GetParentFolderName(const std::string& strPath) const;
    std::string ExtensionCheck(const std::string& strPath, const std::string& strExtension) const;
    bool FolderCheck(const std::string& strPath) const;
    // Names without folder of the normal files matching the pattern; sorted by character code
    // when blnSort. The list is 0-based here (entry i is the listing's entry i + 1).
    int32_t GetFileList(const std::string& strPattern, std::vector<std::string>& lstFiles,
                        bool blnSort) const;
    // Moves the file(s) named by the source (wildcards allowed) into the destination folder or
    // onto the destination name; blnAllYes replaces existing files without asking.
    bool ShellMove(const std::string& strSource, const std::string& strDestination,
                   bool blnAllYes) const;

private:
    ErrorReport report_{"clsFileSystemObject"};
};

}  // namespace brenvik
