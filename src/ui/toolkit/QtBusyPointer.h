#pragma once
#include "app/BusyPointer.h"

namespace brenvik::ui {

// The hourglass as Qt's override cursor; Qt keeps the stack, so scopes nest.
class QtBusyPointer final : public BusyPointer {
  public:
    void begin() override;
    void end() override;
};

}  // namespace brenvik::ui
