#include "platform/cp1251.h"

#include <gtest/gtest.h>

#include <string>

TEST(ClubStorableText, EveryCharacterOfThePageIsStorableAndNothingElse)
{
    for (int b = 0; b < 256; ++b) {
        const std::string ch = cp1251::toUtf8(std::string(1, char(b)));
        EXPECT_TRUE(cp1251::encodable(ch)) << b;
        EXPECT_EQ(cp1251::fromUtf8(ch), std::string(1, char(b))) << b;
    }
    EXPECT_TRUE(cp1251::encodable(""));
    EXPECT_TRUE(cp1251::encodable("Ёжик №1 €?"));
    EXPECT_FALSE(cp1251::encodable("Аня✓"));
    EXPECT_FALSE(cp1251::encodable("中"));
    EXPECT_FALSE(cp1251::encodable("ü"));                // Latin-1, not in the Cyrillic page
    EXPECT_FALSE(cp1251::encodable("\xF0\x9F\x8E\xB2")); // a die emoji, four bytes
    EXPECT_FALSE(cp1251::encodable("ab\xD0"));           // cut in the middle of a letter
    EXPECT_FALSE(cp1251::encodable("\x80"));             // a stray continuation byte
}
