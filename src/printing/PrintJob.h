#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace brenvik {

// What a printer back end draws: millimetres from the top-left corner of the A4 page.
struct PrintColor {
    uint8_t r = 0, g = 0, b = 0;
    bool operator==(const PrintColor&) const = default;
};

struct PrintCommand {
    enum class Kind {
        FillRect,  // a filled rectangle (x1, y1)-(x2, y2)
        Rect,      // the outline of that rectangle
        Line,      // a line from (x1, y1) to (x2, y2)
        Text,      // text starting at x1, centred vertically on y1
    };
    Kind kind = Kind::Line;
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    PrintColor color;
    std::string text;  // Text only: UTF-8
    std::string fontName;
    double pointSize = 0;

    bool operator==(const PrintCommand&) const = default;
};

struct PrintPage {
    std::vector<PrintCommand> commands;
};

enum class PrintOrientation { Portrait = 1, Landscape = 2 };

// One print job (one document): its pages go to the printer together.
struct PrintJob {
    std::string printerName;  // empty: the system's default printer
    PrintOrientation orientation = PrintOrientation::Portrait;
    std::vector<PrintPage> pages;
};

}  // namespace brenvik
