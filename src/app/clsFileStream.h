#pragma once
#include <string>

#include "app/Messages.h"
#include "app/clsFileSystemObject.h"

namespace brenvik {

// Whole-file text (CP932 on disk, UTF-8 in memory) and binary I/O. Saving replaces the file
// through a temporary file and a rename, so a failed write leaves the old file intact.
class clsFileStream {
  public:
    bool ErrMessage() const { return errMessage_; }
    void ErrMessage(bool value) { errMessage_ = value; }

    bool SaveToFile(const std::string& strFileName, const std::string& strText);
    bool LoadFromFile(const std::string& strFileName, std::string& strText);
    bool SaveToBinaryFile(const std::string& strFileName, const std::string& bytBytes);

    // Raw bytes of a whole file, for readers that decode themselves; false when unreadable.
    bool LoadBytes(const std::string& strFileName, std::string& bytBytes);

    // The building blocks, for callers that report failures their own way. Both take a full
    // path and throw a RuntimeError. The write goes to a temporary file in the same folder
    // that is then renamed over the target; the folder must exist.
    static void WriteFileReplacing(const std::string& strFullPath, const std::string& bytBytes);
    static std::string ReadWholeFile(const std::string& strFullPath);

  private:
    bool save(const char* procedure, const std::string& strFileName, const std::string& bytes);
    bool load(const char* procedure, const std::string& strFileName, std::string& bytes);

    clsFileSystemObject fso_;
    bool errMessage_ = true;
    ErrorReport report_{"clsFileStream"};
};

}  // namespace brenvik
