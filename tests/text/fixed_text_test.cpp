// Fixed-width texts cut without splitting UTF-8.
#include "text/fixed_text.hpp"

#include <gtest/gtest.h>

using mirval::cutUtf8;
using mirval::FixedText;

TEST(FixedText, StoresBlankPaddedAndTrims) {
    FixedText<8> t("P1");
    EXPECT_EQ(t.full(), "P1      ");
    EXPECT_EQ(t.trimmed(), "P1");
    EXPECT_FALSE(t.isBlank());
    EXPECT_TRUE(FixedText<4>().isBlank());
    EXPECT_EQ(FixedText<4>(" P 0  ").trimmed(), " P 0");
    EXPECT_EQ(FixedText<3>("abcdef").full(), "abc");
}

TEST(FixedText, CutNeverSplitsUtf8Sequences) {
    EXPECT_EQ(cutUtf8("a\xE2\x80\x93z", 2), "a");         // en dash, 3 bytes, cut after 1
    EXPECT_EQ(cutUtf8("a\xE2\x80\x93z", 3), "a");         // cut after 2
    EXPECT_EQ(cutUtf8("a\xE2\x80\x93z", 4), "a\xE2\x80\x93");
    EXPECT_EQ(cutUtf8("\xF0\x9F\x98\x80!", 3), "");       // 4-byte emoji
    EXPECT_EQ(cutUtf8("ab\xF6\xF6", 3), "ab\xF6");        // Latin-1 bytes cut at the width
    EXPECT_EQ(cutUtf8("ab\xE9\xE9", 3), "ab");            // ...unless one looks like a cut lead byte
    FixedText<4> name("ab\xC3\xA7\xC3\xA3");               // "abçã"
    EXPECT_EQ(name.full(), "ab\xC3\xA7");
    FixedText<5> padded("ab\xC3\xA7\xC3\xA3");
    EXPECT_EQ(padded.full(), "ab\xC3\xA7 ");
}
