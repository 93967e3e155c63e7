#include <gtest/gtest.h>

#include "app/Cp932.h"

namespace brenvik {
namespace {

TEST(Cp932, WindowsCharactersRoundTripExactly) {
    const std::string text = "本命①～―ﾗﾝﾀﾞﾑ髙ⅰ\\~";
    const std::string bytes =
        "\x96\x7B\x96\xBD\x87\x40\x81\x60\x81\x5C\xD7\xDD\xC0\xDE\xD1\xFB\xFC\xFA\x40\\~";
    std::size_t errors = 0;
    EXPECT_EQ(cp932::fromUtf8(text, &errors), bytes);
    EXPECT_EQ(cp932::toUtf8(bytes, &errors), text);
    EXPECT_EQ(errors, 0u);
    // Control bytes stay what they are.
    EXPECT_EQ(cp932::toUtf8("\x1A\x1C\x7F\r\n"), "\x1A\x1C\x7F\r\n");
}

TEST(Cp932, WaveDashAndFriendsEncodeOneWay) {
    EXPECT_EQ(cp932::fromUtf8("〜"), "\x81\x60");
    EXPECT_EQ(cp932::toUtf8("\x81\x60"), "～");
    EXPECT_EQ(cp932::fromUtf8("—"), "\x81\x5C");
    EXPECT_EQ(cp932::toUtf8("\x81\x5C"), "―");
}

TEST(Cp932, BrokenInputIsReplacedAndCounted) {
    struct {
        const char* name;
        std::string bytes;
        std::string text;
        std::size_t errors;
    } const cases[] = {
        {"invalid trail byte keeps the next byte",
         "A\x81\x20"
         "B",
         "A\uFFFD B", 1},
        {"lead byte cut off at the end", "A\x96", "A\uFFFD", 1},
        {"two broken places", "\x81\x20\x96", "\uFFFD \uFFFD", 2},
        {"lone lead byte before CR LF", "\x81\r\n", "\uFFFD\r\n", 1},
    };
    for (const auto& c : cases) {
        std::size_t errors = 0;
        EXPECT_EQ(cp932::toUtf8(c.bytes, &errors), c.text) << c.name;
        EXPECT_EQ(errors, c.errors) << c.name;
    }
}

TEST(Cp932, UnmappableAndInvalidUtf8BecomeQuestionMarks) {
    std::size_t errors = 0;
    EXPECT_EQ(cp932::fromUtf8("a😀b한c", &errors), "a?b?c");
    EXPECT_EQ(errors, 2u);
    errors = 0;
    EXPECT_EQ(cp932::fromUtf8("x\xC3(y\xE3\x81", &errors), "x?(y?");
    EXPECT_EQ(errors, 2u);
    EXPECT_EQ(cp932::fromUtf8(""), "");
    EXPECT_EQ(cp932::toUtf8(""), "");
}

TEST(Cp932, LongInputCrossesTheBufferBoundary) {
    std::string text;
    while (text.size() < 20000) text += "本命a①ﾗ";
    text += "😀";  // an error after the first buffers
    std::size_t errors = 0;
    const std::string bytes = cp932::fromUtf8(text, &errors);
    EXPECT_EQ(errors, 1u);
    EXPECT_EQ(bytes.back(), '?');
    errors = 0;
    EXPECT_EQ(cp932::toUtf8(bytes, &errors), text.substr(0, text.size() - 4) + "?");
    EXPECT_EQ(errors, 0u);
}

}  // namespace
}  // namespace brenvik
