#include "app/clsShell.h"

#include <unistd.h>

#include "app/ProgramFolder.h"
#include "app/RuntimeError.h"
#include "app/Shell.h"
#include "app/clsFileSystemObject.h"

namespace brenvik {

std::pair<std::string, std::string> clsShell::SplitCommand(
    const std::string& strCommand, const std::function<bool(const std::string&)>& fileExists) {
    // Blank positions are byte offsets; a blank is one byte in UTF-8, so the prefix is exact.
    std::size_t blank = strCommand.find(' ');
    while (blank != std::string::npos && blank >= 1) {
        const std::string prefix = strCommand.substr(0, blank);
        if (fileExists(prefix)) return {prefix, strCommand.substr(blank + 1)};
        blank = strCommand.find(' ', blank + 1);
    }
    return {strCommand, std::string()};
}

void clsShell::ShellX(const std::string& strCommand, int32_t lngShow, bool blnWait, bool& blnOk) {
    blnOk = false;
    try {
        clsFileSystemObject fso;
        const auto [file, params] =
            SplitCommand(strCommand, [&fso](const std::string& p) { return fso.FileExists(p); });
        if (shell().open(file, params, lngShow, blnWait)) {
            blnOk = true;
            return;
        }
        // The desktop could not open it: run the whole text as a program.
        blnOk = shell().start(strCommand, blnWait);
    } catch (const std::exception& e) {
        report_.error("ShellX", e);
        blnOk = false;
    }
}

bool clsShell::IsUserAdmin() const { return geteuid() == 0; }

bool clsShell::IsVirtualstore() const {
    return access(programFolder().path().c_str(), W_OK) != 0;
}

bool clsShell::CheckVirtualstoreAdmin() const {
    if (!IsVirtualstore()) return true;
    if (IsUserAdmin()) return true;
    showWarning("管理権限不足エラー",
                "Virtualstore対象フォルダでは一般権限で実行できません。\r\n"
                "アプリケーションを終了させ管理者として実行して下さい。");
    return false;
}

}  // namespace brenvik
