#include <gtest/gtest.h>

#include "app/Utf8.h"

namespace brenvik {
namespace {

TEST(Utf8, CharacterWiseCutsOnJapaneseText) {
    const std::string s = "本命対抗穴ABC";
    EXPECT_EQ(utf8::length(s), 8u);
    EXPECT_EQ(utf8::left(s, 2), "本命");
    EXPECT_EQ(utf8::left(s, 100), s);
    EXPECT_EQ(utf8::right(s, 4), "穴ABC");
    EXPECT_EQ(utf8::right(s, 0), "");
    EXPECT_EQ(utf8::mid(s, 3, 2), "対抗");
    EXPECT_EQ(utf8::mid(s, 5), "穴ABC");
    EXPECT_EQ(utf8::mid(s, 9), "");
    EXPECT_EQ(utf8::mid(s, 0, 1), "本");
    EXPECT_EQ(utf8::find(s, "穴"), 5u);
    EXPECT_EQ(utf8::find(s, "B", 7), 7u);
    EXPECT_EQ(utf8::find(s, "本", 2), 0u);
    EXPECT_EQ(utf8::find(s, "", 3), 3u);
    EXPECT_EQ(utf8::padLeft("本", 3), "  本");
    EXPECT_EQ(utf8::padRight("本命", 3), "本命 ");
    EXPECT_EQ(utf8::trim("  本 命  "), "本 命");
    EXPECT_EQ(utf8::trim("\t x \t"), "\t x \t");  // blanks only
}

TEST(Utf8, InvalidBytesCountAsOneCharacterEach) {
    const std::string bad = "a\xE3\x81z\xFF\xC0\x80";  // cut, stray and overlong bytes
    EXPECT_FALSE(utf8::isValid(bad));
    EXPECT_EQ(utf8::length(bad), 7u);
    EXPECT_EQ(utf8::mid(bad, 4, 1), "z");
    EXPECT_EQ(utf8::sanitize(bad), "a\uFFFD\uFFFDz\uFFFD\uFFFD\uFFFD");
    EXPECT_EQ(utf8::decode("\xED\xA0\x80").size(), 3u);  // a surrogate is no character
    EXPECT_EQ(utf8::encode(utf8::decode("本😀")), "本😀");
    // A byte that continues a character is not found inside it.
    EXPECT_EQ(utf8::find("あ", "\x81"), 0u);
    EXPECT_EQ(utf8::find("あ\x81", "\x81"), 2u);
}

TEST(Utf8, CaseInsensitiveCompareFoldsAsciiOnly) {
    EXPECT_TRUE(utf8::equalsIgnoreCase("AppViewType", "appviewTYPE"));
    EXPECT_FALSE(utf8::equalsIgnoreCase("Ａ", "ａ"));
    EXPECT_TRUE(utf8::startsWithIgnoreCase("Version = 1", "VERSION"));
    EXPECT_FALSE(utf8::startsWithIgnoreCase("Ver", "Version"));
}

}  // namespace
}  // namespace brenvik
