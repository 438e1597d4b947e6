// Numbers under a locale with the decimal comma, which the test compiles for itself on Linux.
#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <string>

#include "ScratchFolder.h"
#include "data/Numbers.h"

namespace veltrane {
namespace {

// A locale with the decimal comma, compiled for the test from the C library's sources when
// this machine has none generated, so the check never depends on what is installed.
std::string CommaLocale(const std::string& scratch) {
    for (const char* name : {"ru_RU.UTF-8", "de_DE.UTF-8", "fr_FR.UTF-8"})
        if (std::setlocale(LC_NUMERIC, name)) return name;
    const std::string command = "localedef -c -i ru_RU -f UTF-8 " + scratch + "/ru_RU.UTF-8";
    if (std::system(command.c_str()) != 0) return {};
    setenv("LOCPATH", scratch.c_str(), 1);
    return std::setlocale(LC_NUMERIC, "ru_RU.UTF-8") ? "ru_RU.UTF-8" : "";
}

TEST(FormatNumber, KeepsThePointUnderACommaLocale) {
    const std::string saved = std::setlocale(LC_NUMERIC, nullptr);
    testing::ScratchFolder scratch;
    const std::string found = CommaLocale(scratch.Path());
    ASSERT_FALSE(found.empty()) << "no locale with a decimal comma could be made";
    ASSERT_EQ(std::localeconv()->decimal_point, std::string(","));
    const std::string text = FormatNumber("%-4.2f", 1.66);
    const double number = ReadNumber("1.66");
    std::setlocale(LC_NUMERIC, saved.c_str());
    unsetenv("LOCPATH");
    EXPECT_EQ(text, "1.66");
    EXPECT_EQ(number, 1.66);
}

}  // namespace
}  // namespace veltrane
