#pragma once

namespace brenvik {

// The hourglass pointer: shown while long work runs, the previous pointer restored after.
class BusyPointer {
public:
    virtual ~BusyPointer() = default;
    virtual void begin() = 0;
    virtual void end() = 0;
};

BusyPointer& busyPointer();
void setBusyPointer(BusyPointer* impl);  // nullptr restores the silent one

// Scope that shows the hourglass for its lifetime; nests.
class BusyScope {
public:
    BusyScope() { busyPointer().begin(); }
    ~BusyScope() { busyPointer().end(); }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;
};

}  // namespace brenvik
