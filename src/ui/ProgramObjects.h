#pragma once
#include <optional>

#include "lottery/clsToto.h"

namespace brenvik::ui {

// The lottery object that every window shares; the start-up creates it.
std::optional<clsToto>& SharedToto();

}  // namespace brenvik::ui
