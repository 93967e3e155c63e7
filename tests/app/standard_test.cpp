#include <gtest/gtest.h>

#include "app/AppInfo.h"
#include "app/Screen.h"
#include "app/basStandard.h"

namespace brenvik {
namespace {

class FakeScreen final : public Screen {
public:
    FakeScreen(double x, double y) : x_(x), y_(y) {
        setScreen(this);
        basStandard::ResetDpiCache();
    }
    ~FakeScreen() override {
        setScreen(nullptr);
        basStandard::ResetDpiCache();
    }
    double logicalDpiX() const override { return x_; }
    double logicalDpiY() const override { return y_; }

private:
    double x_, y_;
};

TEST(BasStandard, PathPieces) {
    const struct {
        const char* path;
        const char* name;
        const char* stripped;
    } cases[] = {
        {"/home/u/a.b.txt", "a.b.txt", "a.b"},
        {"a.txt", "a.txt", "a"},
        {"/a.txt", "/a.txt", "/a"},  // the only "/" is the first character: the whole text
        {"dir/.hidden", ".hidden", ".hidden"},
        {"dir/README", "README", "README"},
        {"", "", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(basStandard::FileNameOfPath(c.path), c.name) << c.path;
        EXPECT_EQ(basStandard::StripExtension(c.path), c.stripped) << c.path;
    }
}

TEST(BasStandard, VersionTextAndWeekday) {
    EXPECT_EQ(basStandard::AppVersionText(), std::to_string(app::VersionMajor) + ".0" +
                                                 std::to_string(app::VersionMinor));
    // 2026-12-06 is a Sunday.
    const char* const expected[] = {"日", "月", "火", "水", "木", "金", "土"};
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(basStandard::WeekdayKanji(DateTime::fromDate(2026, 12, 6 + i)), expected[i]);
}

TEST(BasStandard, ScalesByTheScreensLogicalDpiAndCachesIt) {
    {
        FakeScreen s(144, 120);
        EXPECT_DOUBLE_EQ(basStandard::DpiScaleX(), 1.5);
        EXPECT_DOUBLE_EQ(basStandard::DpiScaleY(), 1.25);
        EXPECT_DOUBLE_EQ(basStandard::ScalePixelsX(10), 15);
        EXPECT_DOUBLE_EQ(basStandard2::GetLW({10, 20, 100, 30}, 8), 120);  // 10 + 100 + 8 × 1.25
        EXPECT_DOUBLE_EQ(basStandard2::GetTH({10, 20, 100, 30}, 8), 60);
        EXPECT_DOUBLE_EQ(basStandard::PixelsToTwipsX(1), 10);
    }
    // Without a screen: 96 DPI, 15 twips a pixel.
    EXPECT_DOUBLE_EQ(basStandard::DpiScaleX(), 1.0);
    EXPECT_DOUBLE_EQ(basStandard::PixelsToTwipsY(2), 30);
    EXPECT_DOUBLE_EQ(basStandard::TwipsToPixelsX(150), 10);
}

TEST(BasStandard, Min1) {
    EXPECT_EQ(basStandard2::Min1(0), 1);
    EXPECT_EQ(basStandard2::Min1(-5), 1);
    EXPECT_EQ(basStandard2::Min1(7), 7);
}

TEST(DrawingColors, SetAtStartUp) {
    SetDrawingColors();
    EXPECT_EQ(drawingColors().ColorLine, 0xFE3743u);
    EXPECT_EQ(drawingColors().ColorStripeA, 0xFED9D3u);
    EXPECT_EQ(drawingColors().ColorStripeB, 0xFFFFFFu);
    EXPECT_EQ(drawingColors().ColorNotice, 0xFF4A36u);
}

}  // namespace
}  // namespace brenvik
