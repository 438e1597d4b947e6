#include <gtest/gtest.h>

#include <string>

#include "data/Cp1251.h"
#include "data/Text.h"

namespace veltrane {
namespace {

TEST(Utf8, CountsAndCutsByCharacters) {
    const std::string helium = "Гелий He";
    EXPECT_EQ(CharCount(helium), 8u);
    EXPECT_EQ(FirstChars(helium, 3), "Гел");
    EXPECT_EQ(FirstChars(helium, 100), helium);
    EXPECT_EQ(FirstChars("€uro", 1), "€");
    EXPECT_EQ(FirstChars("", 5), "");
    // A stray byte is one character and is never glued to its neighbours.
    EXPECT_EQ(CharCount("a\xFF"
                        "b"),
              3u);
    EXPECT_EQ(FirstChars("a\xD0", 2), "a\xD0");
}

TEST(Utf8, Validity) {
    EXPECT_TRUE(IsValidUtf8("plain ASCII"));
    EXPECT_TRUE(IsValidUtf8("Ацетон µl 😀"));
    EXPECT_FALSE(IsValidUtf8("\xC0\xAF"));          // overlong "/"
    EXPECT_FALSE(IsValidUtf8("\xED\xA0\x80"));      // surrogate
    EXPECT_FALSE(IsValidUtf8("\xC0\xE0\xE8\xE9"));  // code page 1251 "Лаий"
    EXPECT_FALSE(IsValidUtf8("\xD0"));              // cut in two
}

struct PrefixCase {
    const char* text;
    const char* prefix;
    bool expected;
};

class StartsWithIgnoringCaseTest : public ::testing::TestWithParam<PrefixCase> {};

TEST_P(StartsWithIgnoringCaseTest, ComparesLatinAndCyrillicWithoutCase) {
    EXPECT_EQ(StartsWithIgnoringCase(GetParam().text, GetParam().prefix), GetParam().expected)
        << GetParam().text << " / " << GetParam().prefix;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, StartsWithIgnoringCaseTest,
    ::testing::Values(PrefixCase{"Helium", "hel", true}, PrefixCase{"helium", "HELIUM", true},
                      PrefixCase{"Helium", "Helium 5.0", false}, PrefixCase{"Гелий", "гЕЛ", true},
                      PrefixCase{"Ёлка", "ёл", true}, PrefixCase{"ЯЩИК", "ящ", true},
                      PrefixCase{"Ацетон", "Ацетонитрил", false},
                      PrefixCase{"Azote", "А", false},  // Latin A is not Cyrillic А
                      PrefixCase{"anything", "", true}, PrefixCase{"", "", true},
                      PrefixCase{"", "a", false}, PrefixCase{"1 mm", "1 MM", true}));

TEST(Cp1251, RoundTripsCyrillic) {
    const std::string utf8 = "Азот, гелий; Ёё №1";
    const std::string bytes = Utf8ToCp1251(utf8);
    EXPECT_EQ(bytes.size(), CharCount(utf8));
    EXPECT_EQ(bytes.substr(0, 4), "\xC0\xE7\xEE\xF2");
    EXPECT_EQ(Cp1251ToUtf8(bytes), utf8);
}

TEST(Cp1251, WhatItCannotHoldBecomesAQuestionMark) {
    EXPECT_EQ(Utf8ToCp1251("a😀b中"), "a?b?");
    EXPECT_EQ(Utf8ToCp1251("x\xFFy"), "x?y");
    EXPECT_EQ(Cp1251ToUtf8("a\x98z"), "a?z");  // the one unassigned byte
    EXPECT_EQ(Cp1251ToUtf8(""), "");
}

}  // namespace
}  // namespace veltrane
