#pragma once
#include <string>

#include "app/Messages.h"

namespace brenvik {

// The box a store's FalseDialog shows after a failed download: icon, title and text.
struct FalseMessage {
    MessageIcon icon;
    std::string title;
    std::string text;
};

}  // namespace brenvik
