#pragma once
#include <random>

namespace brenvik {

// The process-wide random numbers (the random multi draws from them).
std::mt19937& randomEngine();
// Seeds the engine from the clock, as the start-up does.
void Randomize();
// A number in [0, 1), like the classic Rnd.
double Rnd();

}  // namespace brenvik
