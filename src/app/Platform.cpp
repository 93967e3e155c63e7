#include "app/BusyPointer.h"
#include "app/ProgressLog.h"
#include "app/Screen.h"

namespace brenvik {
namespace {

class SilentBusy final : public BusyPointer {
public:
    void begin() override {}
    void end() override {}
};
class SilentProgress final : public ProgressLog {
public:
    void open(const std::string&) override {}
    void addLine(const std::string&) override {}
    void setProgress(long long, long long) override {}
    void close() override {}
};
class NoScreen final : public Screen {
public:
    double logicalDpiX() const override { return 96.0; }
    double logicalDpiY() const override { return 96.0; }
};

SilentBusy silentBusy;
SilentProgress silentProgress;
NoScreen noScreen;
BusyPointer* busy = &silentBusy;
ProgressLog* progress = &silentProgress;
Screen* screenImpl = &noScreen;

}  // namespace

BusyPointer& busyPointer() { return *busy; }
void setBusyPointer(BusyPointer* impl) { busy = impl ? impl : &silentBusy; }
ProgressLog& progressLog() { return *progress; }
void setProgressLog(ProgressLog* impl) { progress = impl ? impl : &silentProgress; }
Screen& screen() { return *screenImpl; }
void setScreen(Screen* impl) { screenImpl = impl ? impl : &noScreen; }

}  // namespace brenvik
