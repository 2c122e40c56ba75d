#include <gtest/gtest.h>

#include "model/Windows1252.h"

namespace qv {
namespace {

TEST(Windows1252, EveryCodeButZeroSurvivesARoundTrip) {
    std::string codes;
    for (int code = 1; code < 256; ++code) {
        codes += static_cast<char>(code);
    }
    const std::string text = Windows1252ToUtf8(codes);
    EXPECT_EQ(Utf8ToWindows1252(text), codes);
}

TEST(Windows1252, MapsTheCodePagesOwnCharacters) {
    EXPECT_EQ(Windows1252ToUtf8("\x80\x8A\x93\x99\x9F"), "\u20AC\u0160\u201C\u2122\u0178");
    EXPECT_EQ(Windows1252ToUtf8("Caf\xE9 \xA0\xFF"), "Caf\u00E9 \u00A0\u00FF");
    EXPECT_EQ(Windows1252ToUtf8("\x81\x9D"), "\u0081\u009D");
    EXPECT_EQ(Utf8ToWindows1252("\u2026\u0152"), "\x85\x8C");
}

TEST(Windows1252, RefusesWhatItCanNotEncode) {
    for (const std::string text :
         {"\u4E2D", "\u0080", "\U0001F600", "a\xC3", "\xC0\xAF", "\xED\xA0\x80", "\xFF"}) {
        EXPECT_FALSE(Utf8ToWindows1252(text)) << text;
    }
    EXPECT_FALSE(Utf8ToWindows1252(std::string("\0", 1)));
}

}  // namespace
}  // namespace qv
