#pragma once
#include <cstdint>
#include <string>
#include <system_error>
#include <vector>

#include "app/Messages.h"
#include "app/RuntimeError.h"

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

    // "*" (any run) and "?" (one character) against a name, character by character; letter
    // case counts, as it does on this file system.
    static bool MatchesPattern(const std::string& strName, const std::string& strPattern);
    // The classic run-time error for a failed system call: 70 permission denied, 57 device
    // I/O (disk full, file too large, I/O), 76 path not found, 75 path/file access otherwise.
    static RuntimeError ToRuntimeError(const std::error_code& ec);

  private:
    ErrorReport report_{"clsFileSystemObject"};
};

}  // namespace brenvik
