#include <gtest/gtest.h>

#include "ui/MainCaption.h"

namespace brenvik::ui {
namespace {

TEST(MainCaption, BaseHasItsBlanks) {
    EXPECT_EQ(MainTitleBase(), " Talvenmoore  Brenvik ");
}

TEST(MainCaption, SingleModeAndFileName) {
    struct Case {
        bool singleMode;
        const char* fileName;
        const char* caption;
    };
    const Case cases[] = {
        {false, "", " Talvenmoore  Brenvik "},
        {true, "", " Talvenmoore  Brenvik  [SINGLE MODE]"},
        {false, "/home/u/UserData/Brenvik/第1200回.kvr", " Talvenmoore  Brenvik  - [第1200回.kvr]"},
        {true, "/tmp/singles.csv", " Talvenmoore  Brenvik  [SINGLE MODE] - [singles.csv]"},
        {false, "plain.qel", " Talvenmoore  Brenvik  - [plain.qel]"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(MainCaption(MainTitleBase(), c.singleMode, c.fileName), c.caption) << c.fileName;
}

}  // namespace
}  // namespace brenvik::ui
