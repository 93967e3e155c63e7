#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace brenvik {

struct PictureTextColour {
    uint8_t red;
    uint8_t green;
    uint8_t blue;
};

// Colours selected by "\0" to "\9".
inline constexpr std::array<PictureTextColour, 10> PictureTextColours{{
    {0, 0, 0},
    {128, 128, 128},
    {128, 128, 255},
    {255, 128, 128},
    {128, 223, 128},
    {96, 96, 192},
    {192, 96, 96},
    {96, 192, 96},
    {0, 0, 0},
    {0, 0, 0},
}};

// One character (a whole UTF-8 sequence) in a colour, or a line break.
struct PictureTextToken {
    int32_t colour = 0;
    std::string text;
    bool lineBreak = false;
    bool operator==(const PictureTextToken&) const = default;
};

// Adjacent characters of one colour within a line.
struct PictureTextRun {
    int32_t colour = 0;
    std::string text;
    bool operator==(const PictureTextRun&) const = default;
};
using PictureTextLine = std::vector<PictureTextRun>;

// A token placed by Layout: its index in Tokens(), the line (0-based) and x in pixels.
struct PictureTextPlacement {
    std::size_t token;
    int32_t line;
    int32_t x;
};

// The help-text box of the multi page without its drawing: prints of marked-up text
// collected into coloured tokens. In a print, "\" + digit selects the colour (it stays for
// later prints until changed or until Cls), "\/" ends the line, any other "\" + character is
// dropped, and a print of the empty text ends the line. A print without "\/" leaves the line
// open, so the next print continues it.
class PictureText {
  public:
    void Cls();
    void CPrint(std::string_view strText);

    int32_t Left() const { return left_; }
    void Left(int32_t value) { left_ = value; }
    int32_t Top() const { return top_; }
    void Top(int32_t value) { top_ = value; }

    int32_t CurrentColour() const { return colour_; }
    const std::vector<PictureTextToken>& Tokens() const { return tokens_; }
    // The texts printed since the last Cls, as given.
    const std::vector<std::string>& Prints() const { return prints_; }
    // The tokens as lines of coloured runs; an unfinished last line is included when it
    // holds any character.
    std::vector<PictureTextLine> Lines() const;

    // Where Refresh draws each character token in a box `width` pixels wide: a character
    // that would pass the right edge starts a new line at Left first; a line break moves to a
    // new line at Left.
    std::vector<PictureTextPlacement> Layout(
        int32_t width, const std::function<int32_t(const std::string&)>& measure) const;

  private:
    std::vector<PictureTextToken> tokens_;
    std::vector<std::string> prints_;
    int32_t colour_ = 0;
    int32_t left_ = 0;
    int32_t top_ = 0;
};

}  // namespace brenvik
