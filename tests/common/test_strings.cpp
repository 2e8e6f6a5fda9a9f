// The string helpers never pass their 400-character buffers.
#include <gtest/gtest.h>

#include <string>

#include "common/common.h"

TEST(Strings, DecimalText)
{
    char s[MAX_STR];
    i_to_cs(-305, s);
    EXPECT_STREQ(s, "-305");
    i_to_cs(0, s);
    EXPECT_STREQ(s, "0");
    i_to_cs(99999, s);
    EXPECT_STREQ(s, "99999");
    i_to_cs(-2147483647 - 1, s);
    EXPECT_STREQ(s, "-2147483648");
}

TEST(Strings, CharacterDigits)
{
    EXPECT_EQ(char_to_int_('7'), 7);
    EXPECT_EQ(char_to_int_('+'), 1);
    EXPECT_EQ(char_to_int_('-'), -1);
    EXPECT_EQ(char_to_int_('x'), 0);
    EXPECT_EQ(int_to_char_(9), '9');
    EXPECT_EQ(int_to_char_(0), '0');
    EXPECT_EQ(int_to_char_(10), '0');
    EXPECT_EQ(int_to_char_(-3), '0');
}

TEST(Strings, JoiningTruncatesAtTheBuffer)
{
    char a[MAX_STR], b[MAX_STR];
    std::string longtext(600, 'x');
    C_to_C(longtext.c_str(), a);
    EXPECT_EQ(strlen(a), (size_t)MAX_STR - 1);
    C_to_C("abc", a);
    app_C(a, "def");
    EXPECT_STREQ(a, "abcdef");
    C_plus_C(a, "/g", b);
    EXPECT_STREQ(b, "abcdef/g");
    for (int k = 0; k < 100; k++)
        app_C(a, "0123456789");
    EXPECT_EQ(strlen(a), (size_t)MAX_STR - 1);
}

TEST(Strings, SwapsAndNameMatching)
{
    float x = 1, y = 2;
    flt_switch(&x, &y);
    EXPECT_EQ(x, 2);
    int i = 1, j = 2;
    int_switch(&i, &j);
    EXPECT_EQ(i, 2);
    char c = 'a', d = 'b';
    chr_switch(&c, &d);
    EXPECT_EQ(c, 'b');
    EXPECT_TRUE(names_match("NACA 2412 (popular).afl", "naca 2412 (POPULAR).AFL"));
    EXPECT_FALSE(names_match("NACA 2412.afl", "NACA 2412.af"));
}
