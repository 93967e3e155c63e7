#include "app/Clock.h"

#include <chrono>
#include <ctime>

namespace brenvik {
namespace {
SystemClock systemClock;
Clock* installed = &systemClock;
}  // namespace

DateTime SystemClock::now() const {
    const auto t = std::chrono::system_clock::now();
    const std::time_t secs = std::chrono::system_clock::to_time_t(t);
    std::tm local{};
    localtime_r(&secs, &local);
    return DateTime::fromFields(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
                                local.tm_hour, local.tm_min, local.tm_sec);
}

Clock& clock() { return *installed; }
void setClock(Clock* impl) { installed = impl ? impl : &systemClock; }

}  // namespace brenvik
