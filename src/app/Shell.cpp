#include "app/Shell.h"

#include <spawn.h>
#include <cerrno>
#include <sys/wait.h>

extern char** environ;

namespace brenvik {
namespace {

// Without a desktop: nothing can be opened, command lines run through the system shell.
class ProcessShell final : public Shell {
public:
    bool open(const std::string&, const std::string&, int, bool) override { return false; }
    bool start(const std::string& commandLine, bool wait) override {
        pid_t pid = 0;
        const char* argv[] = {"/bin/sh", "-c", commandLine.c_str(), nullptr};
        if (posix_spawn(&pid, "/bin/sh", nullptr, nullptr, const_cast<char* const*>(argv),
                        environ) != 0)
            return false;
        if (wait) {
            int status = 0;
            while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
            }
        }
        return true;
    }
};

ProcessShell processShell;
Shell* installed = &processShell;

}  // namespace

Shell& shell() { return *installed; }
void setShell(Shell* impl) { installed = impl ? impl : &processShell; }

}  // namespace brenvik
