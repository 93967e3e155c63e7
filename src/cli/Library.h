#pragma once
#include <ostream>

namespace brenvik::cli {

// The start-up checks of the program, the team names and the pattern library, as the program
// loads them; false (after the message on `err`) when the program would not start.
bool loadProgramData(std::ostream& err);

}  // namespace brenvik::cli
