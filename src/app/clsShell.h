#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <utility>

#include "app/Messages.h"

namespace brenvik {

// Opens documents and addresses through the desktop, and the check for a program folder the
// user may not write to.
class clsShell {
public:
    // Opens the command with the desktop's "open"; a leading prefix that names an existing file
    // is the file and the rest its parameters. With blnWait, returns when the program ends.
    void ShellX(const std::string& strCommand, int32_t lngShow, bool blnWait, bool& blnOk);
    virtual ~clsShell() = default;
    virtual bool IsUserAdmin() const;
    // The program folder is one this user cannot write to.
    virtual bool IsVirtualstore() const;
    bool CheckVirtualstoreAdmin() const;

    // The split of a command into file and parameters, with the file test given.
    static std::pair<std::string, std::string> SplitCommand(
        const std::string& strCommand, const std::function<bool(const std::string&)>& fileExists);

private:
    ErrorReport report_{"clsShell"};
};

}  // namespace brenvik
