#pragma once
#include <string>

namespace brenvik {

// The progress window's lines and the wait dialog's bar. The window must repaint on every
// call, since the work runs on the user-interface thread.
class ProgressLog {
public:
    virtual ~ProgressLog() = default;
    virtual void open(const std::string& title) = 0;
    virtual void addLine(const std::string& text) = 0;
    // value out of maximum; maximum 0 hides the bar.
    virtual void setProgress(long long value, long long maximum) = 0;
    virtual void close() = 0;
};

ProgressLog& progressLog();
void setProgressLog(ProgressLog* impl);  // nullptr restores the silent one

}  // namespace brenvik
