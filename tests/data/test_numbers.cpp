#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <string>

#include "data/Numbers.h"

namespace veltrane {
namespace {

struct NumberCase {
    const char* text;
    double expected;
};

class ReadNumberTest : public ::testing::TestWithParam<NumberCase> {};

TEST_P(ReadNumberTest, TakesTheLongestLeadingDecimalNumber) {
    EXPECT_DOUBLE_EQ(ReadNumber(GetParam().text), GetParam().expected) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ReadNumberTest,
    ::testing::Values(NumberCase{"68.9", 68.9}, NumberCase{"  \t\n-1.5e3xyz", -1500.0},
                      NumberCase{"+.5", 0.5}, NumberCase{"5.", 5.0}, NumberCase{"1e", 1.0},
                      NumberCase{"2E+", 2.0}, NumberCase{"3e-2", 0.03},
                      NumberCase{"4.038e-07", 4.038e-07}, NumberCase{"101 ul", 101.0},
                      NumberCase{"1,5", 1.0}, NumberCase{"", 0.0}, NumberCase{"abc", 0.0},
                      NumberCase{".", 0.0}, NumberCase{"-", 0.0}, NumberCase{"- 5", 0.0},
                      NumberCase{"n/a", 0.0}, NumberCase{"0x1A", 0.0}, NumberCase{"inf", 0.0},
                      NumberCase{"nan", 0.0}, NumberCase{"-infinity", 0.0},
                      NumberCase{"1e-400", 0.0}, NumberCase{"0.0000e999", 0.0}));

TEST(ReadNumber, OverflowGivesInfinityWithItsSign) {
    EXPECT_EQ(ReadNumber("1e400"), HUGE_VAL);
    EXPECT_EQ(ReadNumber("-123456e999999999999"), -HUGE_VAL);
}

struct IntegerCase {
    const char* text;
    int expected;
};

class ReadIntegerTest : public ::testing::TestWithParam<IntegerCase> {};

TEST_P(ReadIntegerTest, TakesTheLeadingWholeNumber) {
    EXPECT_EQ(ReadInteger(GetParam().text), GetParam().expected) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(Texts, ReadIntegerTest,
                         ::testing::Values(IntegerCase{"20", 20}, IntegerCase{" -75%", -75},
                                           IntegerCase{"+40", 40}, IntegerCase{"12.9", 12},
                                           IntegerCase{"1e3", 1}, IntegerCase{"", 0},
                                           IntegerCase{"x1", 0}, IntegerCase{"0x10", 0},
                                           IntegerCase{"99999999999", 2147483647},
                                           IntegerCase{"-99999999999", -2147483647 - 1}));

struct FormatCase {
    const char* format;
    double value;
    const char* expected;
};

class FormatNumberTest : public ::testing::TestWithParam<FormatCase> {};

TEST_P(FormatNumberTest, FollowsPrintf) {
    EXPECT_EQ(FormatNumber(GetParam().format, GetParam().value), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Formats, FormatNumberTest,
    ::testing::Values(FormatCase{"%#3.1f", 68.9, "68.9"}, FormatCase{"%#3.0f", 101.0, "101."},
                      FormatCase{"%#3.0f", 0.0, " 0."},
                      FormatCase{"%#3.3f", 0.68950000001, "0.690"},
                      FormatCase{"%-4.1f", 0.0, "0.0 "}, FormatCase{"%-3.0f", 5.0, "5  "},
                      FormatCase{"%#3.3g", 1.592785, "1.59"}, FormatCase{"%.*g", 86.2, "86.2"}));

TEST(FormatNumber, NeverCutsALongResult) {
    const std::string text = FormatNumber("%-3.0f", 1e300);
    EXPECT_EQ(text.size(), 301u);
    EXPECT_EQ(text.substr(0, 3), "100");
}

TEST(FormatNumber, KeepsThePointUnderACommaLocale) {
    const char* commaLocales[] = {"ru_RU.UTF-8", "de_DE.UTF-8", "fr_FR.UTF-8", "ru_RU.CP1251"};
    const std::string saved = std::setlocale(LC_NUMERIC, nullptr);
    const char* found = nullptr;
    for (const char* name : commaLocales) {
        if (std::setlocale(LC_NUMERIC, name)) {
            found = name;
            break;
        }
    }
    if (!found) GTEST_SKIP() << "no locale with a decimal comma installed";
    const std::string text = FormatNumber("%-4.2f", 1.66);
    const double number = ReadNumber("1.66");
    std::setlocale(LC_NUMERIC, saved.c_str());
    EXPECT_EQ(text, "1.66");
    EXPECT_DOUBLE_EQ(number, 1.66);
}

TEST(FormatNumber, WholeNumbers) {
    EXPECT_EQ(FormatNumber("%d", 100), "100");
    EXPECT_EQ(FormatNumber("%-4d", -7), "-7  ");
}

}  // namespace
}  // namespace veltrane
