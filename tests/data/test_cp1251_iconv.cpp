// The code page 1251 table against the C library's converter, where there is one (Linux).
#include <gtest/gtest.h>
#include <iconv.h>

#include <string>

#include "data/Cp1251.h"

namespace veltrane {
namespace {

// The program's own table against the C library's converter, every byte both ways.
TEST(Cp1251, AgreesWithIconvOnEveryByte) {
    iconv_t toUtf8 = iconv_open("UTF-8", "CP1251");
    ASSERT_NE(toUtf8, reinterpret_cast<iconv_t>(-1));
    for (int b = 0; b < 256; ++b) {
        char in[1] = {static_cast<char>(b)};
        char out[8] = {};
        char* inPtr = in;
        char* outPtr = out;
        std::size_t inLeft = 1, outLeft = sizeof out;
        const bool refused =
            iconv(toUtf8, &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<std::size_t>(-1);
        const std::string expected = refused ? "?" : std::string(out, outPtr);
        EXPECT_EQ(Cp1251ToUtf8(std::string(1, in[0])), expected) << "byte " << b;
        if (!refused) {
            EXPECT_EQ(Utf8ToCp1251Exactly(expected), std::string(1, in[0])) << b;
        }
    }
    iconv_close(toUtf8);
}

}  // namespace
}  // namespace veltrane
