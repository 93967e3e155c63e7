#include "app/Random.h"

#include <chrono>

namespace brenvik {

std::mt19937& randomEngine() {
    static std::mt19937 engine(5489u);
    return engine;
}

void Randomize() {
    const auto ticks = std::chrono::steady_clock::now().time_since_epoch().count() ^
                       std::chrono::system_clock::now().time_since_epoch().count();
    randomEngine().seed(static_cast<std::mt19937::result_type>(ticks));
}

double Rnd() { return std::generate_canonical<double, 32>(randomEngine()); }

}  // namespace brenvik
