#pragma once
#include "app/DateTime.h"

namespace brenvik {

// "Now" for everything that depends on the date; tests fix it.
class Clock {
public:
    virtual ~Clock() = default;
    virtual DateTime now() const = 0;
    int currentYear() const { return now().year(); }
};

// The local wall clock.
class SystemClock final : public Clock {
public:
    DateTime now() const override;
};

Clock& clock();
void setClock(Clock* impl);  // nullptr restores the system clock

}  // namespace brenvik
