#include "app/basStandard.h"

#include <cstdio>
#include <optional>

#include "app/AppInfo.h"
#include "app/Messages.h"
#include "app/Screen.h"
#include "app/Utf8.h"

namespace brenvik {

Colors& drawingColors() {
    static Colors colors;
    return colors;
}

void SetDrawingColors() {
    auto rgb = [](uint32_t r, uint32_t g, uint32_t b) { return (r << 16) | (g << 8) | b; };
    Colors& c = drawingColors();
    c.ColorLine = rgb(254, 55, 67);
    c.ColorStripeA = rgb(254, 217, 211);
    c.ColorStripeB = rgb(255, 255, 255);
    c.ColorNotice = rgb(255, 74, 54);
}

namespace basStandard {
namespace {

std::optional<double> cachedX, cachedY;

double twipsPerPixel(double dpi) { return 1440.0 / (dpi > 0 ? dpi : 96.0); }

}  // namespace

std::string AppVersionText() {
    char b[48];
    if (app::VersionRevision > 0)
        std::snprintf(b, sizeof b, "%d.%02d.%d", app::VersionMajor, app::VersionMinor,
                      app::VersionRevision);
    else
        std::snprintf(b, sizeof b, "%d.%02d", app::VersionMajor, app::VersionMinor);
    return b;
}

std::string WeekdayKanji(const DateTime& dtmDate) {
    static const char* const names[] = {"日", "月", "火", "水", "木", "金", "土"};
    const int w = dtmDate.weekday();
    return (w >= 1 && w <= 7) ? names[w - 1] : "";
}

std::string FileNameOfPath(const std::string& strPath) {
    const auto pos = strPath.rfind('/');
    if (pos == std::string::npos || pos == 0) return strPath;
    return strPath.substr(pos + 1);
}

std::string StripExtension(const std::string& strPath) {
    const std::string name = FileNameOfPath(strPath);
    const auto dot = name.rfind('.');
    if (dot == std::string::npos || dot == 0) return name;
    return name.substr(0, dot);
}

double DpiScaleX() {
    if (!cachedX) cachedX = screen().logicalDpiX() / 96.0;
    return *cachedX > 0 ? *cachedX : 1.0;
}

double DpiScaleY() {
    if (!cachedY) cachedY = screen().logicalDpiY() / 96.0;
    return *cachedY > 0 ? *cachedY : 1.0;
}

void ResetDpiCache() {
    cachedX.reset();
    cachedY.reset();
}

double ScalePixelsX(double pixels) { return pixels * DpiScaleX(); }
double ScalePixelsY(double pixels) { return pixels * DpiScaleY(); }
double PixelsToTwipsX(double pixels) { return pixels * twipsPerPixel(screen().logicalDpiX()); }
double PixelsToTwipsY(double pixels) { return pixels * twipsPerPixel(screen().logicalDpiY()); }
double TwipsToPixelsX(double twips) { return twips / twipsPerPixel(screen().logicalDpiX()); }
double TwipsToPixelsY(double twips) { return twips / twipsPerPixel(screen().logicalDpiY()); }

}  // namespace basStandard

namespace basStandard2 {

double Min1(int32_t lngValue) { return lngValue <= 0 ? 1.0 : static_cast<double>(lngValue); }

double GetLW(const ControlRect& ctl, double margin) {
    return ctl.left + ctl.width + margin * basStandard::DpiScaleY();
}

double GetTH(const ControlRect& ctl, double margin) {
    return ctl.top + ctl.height + margin * basStandard::DpiScaleY();
}

}  // namespace basStandard2
}  // namespace brenvik
