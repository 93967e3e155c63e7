#pragma once
#include <cstdint>
#include <string>

#include "app/DateTime.h"

namespace brenvik {

// The four drawing colours of the views, as 0xRRGGBB.
struct Colors {
    uint32_t ColorLine = 0;
    uint32_t ColorStripeA = 0;
    uint32_t ColorStripeB = 0;
    uint32_t ColorNotice = 0;
};
Colors& drawingColors();
void SetDrawingColors();  // the start-up's step 15

namespace basStandard {

std::string AppVersionText();
std::string WeekdayKanji(const DateTime& dtmDate);
std::string FileNameOfPath(const std::string& strPath);
std::string StripExtension(const std::string& strPath);

// Screen scale factors: logical DPI / 96, measured once and then cached.
double DpiScaleX();
double DpiScaleY();
void ResetDpiCache();  // for tests and screen changes
double ScalePixelsX(double pixels);
double ScalePixelsY(double pixels);
// Twips: 15 per pixel at 96 DPI.
double PixelsToTwipsX(double pixels);
double PixelsToTwipsY(double pixels);
double TwipsToPixelsX(double twips);
double TwipsToPixelsY(double twips);

}  // namespace basStandard

// A control's rectangle as GetLW/GetTH read it.
struct ControlRect {
    double left = 0, top = 0, width = 0, height = 0;
};

namespace basStandard2 {
double Min1(int32_t lngValue);
double GetLW(const ControlRect& ctl, double margin);
double GetTH(const ControlRect& ctl, double margin);
}  // namespace basStandard2

}  // namespace brenvik
