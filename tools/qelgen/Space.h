#pragma once
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace qelgen {

// Words over `binary` coordinates of 2 symbols followed by `ternary` coordinates of 3 symbols,
// numbered as the engine's full code list numbers role codes: binary digits most significant.
class Space {
  public:
    Space(int binary, int ternary);

    int binary() const { return binary_; }
    int ternary() const { return ternary_; }
    int length() const { return binary_ + ternary_; }
    int32_t size() const { return size_; }
    int radix(int c) const { return c < binary_ ? 2 : 3; }
    int32_t place(int c) const { return place_[static_cast<std::size_t>(c)]; }
    int digit(int32_t word, int c) const {
        return digits_[static_cast<std::size_t>(word) * static_cast<std::size_t>(length()) +
                       static_cast<std::size_t>(c)];
    }
    int weight(int32_t word) const;
    std::string code(int32_t word) const;
    int32_t word(const std::string& code) const;  // -1 when malformed

  private:
    int binary_, ternary_;
    int32_t size_;
    std::vector<int32_t> place_;
    std::vector<uint8_t> digits_;
};

// A group element as the coordinates it changes: (coordinate, amount to add).
using Delta = std::vector<std::pair<uint8_t, uint8_t>>;

inline int32_t apply(const Space& s, int32_t word, const Delta& d) {
    for (const auto& [c, a] : d) {
        const int old = s.digit(word, c);
        const int now = (old + a) % s.radix(c);
        word += (now - old) * s.place(c);
    }
    return word;
}

// The negative of a delta (what undoes it).
Delta negate(const Space& s, const Delta& d);

// Coordinates used as generators of a covering problem: for an ordinary code each coordinate
// is its own generator; for a code given by a check matrix the generator of a coordinate is
// its column. `choices[i]` lists the nonzero changes of coordinate i (one for a binary
// coordinate, two for a ternary one).
struct Generators {
    std::vector<std::vector<Delta>> choices;
};

Generators unitGenerators(const Space& s);
// Every sum of one change from each of at most `radius` distinct coordinates, zero included,
// without repeats.
std::vector<Delta> ball(const Space& s, const Generators& g, int radius);
std::vector<Delta> moves(const Generators& g);

}  // namespace qelgen
