#include "data/Cp1251.h"

#include <iconv.h>

#include <cerrno>
#include <vector>

#include "data/Text.h"

namespace veltrane {
namespace {

enum class Unconvertible { Mark, Fail };

// Runs iconv over the whole input, putting "?" in place of what cannot be converted and
// skipping the offending input (one byte, or one whole UTF-8 character), or giving up there.
std::optional<std::string> Convert(const char* to, const char* from, std::string_view input,
                                   bool utf8Input, Unconvertible policy) {
    std::string output;
    if (input.empty()) return output;
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) {
        if (policy == Unconvertible::Fail) return std::nullopt;
        // Without the converter, keep what is plain ASCII rather than lose the whole text.
        for (char c : input) output += static_cast<unsigned char>(c) < 0x80 ? c : '?';
        return output;
    }
    std::vector<char> buffer(input.size() * 4 + 16);
    char* in = const_cast<char*>(input.data());
    std::size_t inLeft = input.size();
    while (inLeft > 0) {
        char* out = buffer.data();
        std::size_t outLeft = buffer.size();
        const std::size_t result = iconv(cd, &in, &inLeft, &out, &outLeft);
        output.append(buffer.data(), out);
        if (result != static_cast<std::size_t>(-1)) break;
        if (errno == E2BIG) continue;
        // EILSEQ or EINVAL: an unconvertible or incomplete character.
        if (policy == Unconvertible::Fail) {
            iconv_close(cd);
            return std::nullopt;
        }
        output += '?';
        std::size_t skip = 1;
        if (utf8Input) {
            const std::string one = FirstChars(std::string_view(in, inLeft), 1);
            skip = one.empty() ? 1 : one.size();
        }
        in += skip;
        inLeft -= skip;
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
    }
    iconv_close(cd);
    return output;
}

}  // namespace

std::string Cp1251ToUtf8(std::string_view bytes) {
    return *Convert("UTF-8", "CP1251", bytes, false, Unconvertible::Mark);
}

std::string Utf8ToCp1251(std::string_view utf8) {
    return *Convert("CP1251", "UTF-8", utf8, true, Unconvertible::Mark);
}

std::optional<std::string> Utf8ToCp1251Exactly(std::string_view utf8) {
    return Convert("CP1251", "UTF-8", utf8, true, Unconvertible::Fail);
}

}  // namespace veltrane
