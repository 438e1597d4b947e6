#include <gtest/gtest.h>

#include <cfloat>
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
    EXPECT_EQ(ReadNumber(GetParam().text), GetParam().expected) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ReadNumberTest,
    ::testing::Values(NumberCase{"  \t\n-1.5e3xyz", -1500.0}, NumberCase{"+.5", 0.5},
                      NumberCase{"5.", 5.0}, NumberCase{"2E+", 2.0}, NumberCase{"3e-2", 0.03},
                      NumberCase{"4.038e-07", 4.038e-07}, NumberCase{"101 ul", 101.0},
                      NumberCase{"1,5", 1.0}, NumberCase{"", 0.0}, NumberCase{".", 0.0},
                      NumberCase{"- 5", 0.0}, NumberCase{"n/a", 0.0}, NumberCase{"0x1A", 0.0},
                      NumberCase{"inf", 0.0}, NumberCase{"nan", 0.0}, NumberCase{"1e-400", 0.0},
                      NumberCase{"1e400", DBL_MAX}, NumberCase{"-12e99999999999", -DBL_MAX}));

TEST(ReadTypedNumber, TakesALoneCommaAsThePoint) {
    const struct {
        const char* text;
        const char* rewritten;
        double value;
    } cases[] = {
        {"15,5", "15.5", 15.5},       {" 0,791", " 0.791", 0.791}, {",5", ".5", 0.5},
        {"1,5e-3", "1.5e-3", 1.5e-3}, {"1.5", "1.5", 1.5},         {"1,5.2", "1,5.2", 1.0},
        {"1,2,3", "1,2,3", 1.0},      {"40", "40", 40.0},          {"", "", 0.0},
        {"n/a", "n/a", 0.0},          {"12,", "12.", 12.0},        {",", ".", 0.0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(WithDecimalPoint(c.text), c.rewritten) << c.text;
        EXPECT_EQ(ReadTypedNumber(c.text), c.value) << c.text;
    }
}

TEST(ReadWholeNumber, TakesOnlyATextThatIsOneNumber) {
    const struct {
        const char* text;
        std::optional<double> value;
    } cases[] = {
        {"15.5", 15.5},          {"15,5", 15.5},
        {"-2e3", -2000.0},       {".5", 0.5},
        {"1e400", DBL_MAX},      {"-1e400", -DBL_MAX},
        {"", std::nullopt},      {" 5", std::nullopt},
        {"5 ", std::nullopt},    {"5x", std::nullopt},
        {"inf", std::nullopt},   {"nan", std::nullopt},
        {"0x1A", std::nullopt},  {"-", std::nullopt},
        {"1,2,3", std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(ReadWholeNumber(c.text), c.value) << c.text;
}

TEST(ReadInteger, TakesTheLeadingWholeNumberHeldWithinInt) {
    EXPECT_EQ(ReadInteger(" -75%"), -75);
    EXPECT_EQ(ReadInteger("1e3"), 1);
    EXPECT_EQ(ReadInteger("0x10"), 0);
    EXPECT_EQ(ReadInteger("99999999999"), 2147483647);
    EXPECT_EQ(ReadInteger("-99999999999"), -2147483647 - 1);
}

TEST(FormatNumber, FollowsPrintfAndNeverCutsDigits) {
    EXPECT_EQ(FormatNumber("%#3.0f", 101.0), "101.");
    EXPECT_EQ(FormatNumber("%#3.0f", 0.0), " 0.");
    EXPECT_EQ(FormatNumber("%#3.3g", 1.592785), "1.59");
    EXPECT_EQ(FormatNumber("%-4d", -7), "-7  ");
    EXPECT_EQ(FormatNumber("%-3.0f", 1e300).size(), 301u);
    // printf's inf and nan are never shown.
    EXPECT_EQ(FormatNumber("%.2f", HUGE_VAL), "n/a");
    EXPECT_EQ(FormatNumber("%-4.1f", std::nan("")), "n/a");
}

}  // namespace
}  // namespace veltrane
