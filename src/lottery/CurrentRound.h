#pragma once
#include <cstdint>

namespace brenvik {

// The round (開催回) the user works on, for the whole process; 0 = none chosen.
// Set by the main window, read by the multi, the results and the file formats.
int32_t& CurrentRound();

}  // namespace brenvik
