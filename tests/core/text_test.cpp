#include "data/shortstring.h"
#include "data/textformat.h"
#include "platform/cp1251.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <string>

TEST(TextFormat, NumbersAreRightAlignedAndNeverCut)
{
    EXPECT_EQ(IntText(7, 4), "   7");
    EXPECT_EQ(IntText(-40, 2), "-40");
    EXPECT_EQ(IntText(12345, 0), "12345");
    EXPECT_EQ(FloatText(185.5, 6, 2), "185.50");
    EXPECT_EQ(FloatText(0, 6, 2), "  0.00");
    EXPECT_EQ(FloatText(-13.054, 4, 2), "-13.05");
}

TEST(TextFormat, RussianDesktopKeepsThePoint)
{
    // The set-up script generates this locale; without it the test would prove nothing.
    const std::string before = std::setlocale(LC_ALL, nullptr);
    ASSERT_NE(std::setlocale(LC_ALL, "ru_RU.UTF-8"), nullptr);
    char probe[16];
    std::snprintf(probe, sizeof probe, "%.1f", 1.5);
    EXPECT_STREQ(probe, "1,5") << "the locale writes a comma, so the check below means something";
    EXPECT_EQ(FloatText(150, 6, 2), "150.00");
    EXPECT_EQ(FloatText(-3.1, 0, 2), "-3.10");
    EXPECT_EQ(IntText(1234567, 0), "1234567");
    std::setlocale(LC_ALL, before.c_str());
}

TEST(Cp1251, RussianTextRoundTrips)
{
    const std::string text = "Ёжик в тумане — «ВЕРТОКС» №1";
    const std::string bytes = cp1251::fromUtf8(text);
    EXPECT_EQ(bytes.size(), 28u);
    EXPECT_EQ(uint8_t(bytes[0]), 0xA8); // Ё
    EXPECT_EQ(uint8_t(cp1251::fromUtf8("ё")[0]), 0xB8);
    EXPECT_EQ(cp1251::toUtf8("\xB8\xA8"), "ёЁ");
    EXPECT_EQ(uint8_t(bytes[1]), 0xE6);  // ж
    EXPECT_EQ(uint8_t(bytes[14]), 0x97); // em dash
    EXPECT_EQ(cp1251::toUtf8(bytes), text);
    // Every byte reads as some character and comes back as itself.
    std::string all;
    for (int b = 0; b < 256; ++b)
        all += char(b);
    EXPECT_EQ(cp1251::fromUtf8(cp1251::toUtf8(all)), all);
}

TEST(Cp1251, ForeignAndBrokenInputBecomesQuestionMarks)
{
    EXPECT_EQ(cp1251::fromUtf8("日本"), "??");
    EXPECT_EQ(cp1251::fromUtf8("a\xC3"), "a?");
    EXPECT_EQ(cp1251::fromUtf8("абвгд", 3), cp1251::fromUtf8("абв"));
}

TEST(ShortString, LengthIsClampedToTheRoom)
{
    Str17 name = Str17::fromText("Новая Зеландия и ещё немного");
    EXPECT_EQ(name.length(), 17u);
    EXPECT_EQ(name.text(), "Новая Зеландия и ");
    name.Length = 200;
    EXPECT_EQ(name.length(), 17u);
    EXPECT_EQ(name.bytes().size(), 17u);
    // Characters past the length play no part in comparison.
    Str17 a = Str17::fromText("Куба");
    Str17 b = a;
    b.Chars[10] = 'x';
    EXPECT_EQ(a, b);
    b.Length = 3;
    EXPECT_NE(a, b);
}
