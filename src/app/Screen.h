#pragma once

namespace brenvik {

// Screen metrics the views scale by; without a screen 96 DPI.
class Screen {
public:
    virtual ~Screen() = default;
    virtual double logicalDpiX() const = 0;
    virtual double logicalDpiY() const = 0;
};

Screen& screen();
void setScreen(Screen* impl);  // nullptr restores the 96-DPI default

}  // namespace brenvik
