#pragma once
#include <string>

namespace brenvik {

// The desktop's opener and process start, behind an interface so that tests can fake it.
class Shell {
public:
    virtual ~Shell() = default;
    // Opens a file, document or address with the desktop's "open"; with wait, blocks (letting
    // the window system run) until the started program ends. false when nothing was opened.
    virtual bool open(const std::string& file, const std::string& parameters, int showCode,
                      bool wait) = 0;
    // Starts a command line as a program; with wait, until it ends. false when not started.
    virtual bool start(const std::string& commandLine, bool wait) = 0;
};

Shell& shell();
void setShell(Shell* impl);  // nullptr restores the default (starts programs, opens nothing)

}  // namespace brenvik
