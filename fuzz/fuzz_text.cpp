// Decoding file bytes (UTF-8 or code page 1251) and encoding text for a file: whatever the
// bytes, the text read back from what is written is the text that was written.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "data/Text.h"
#include "data/TextFile.h"
#include "fuzz/FuzzCheck.h"

using namespace veltrane;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::string text = DecodeText(bytes);
    fuzz::Check(IsValidUtf8(text));
    fuzz::Check(DecodeText(EncodeText(text)) == text);
    for (const std::string& line : SplitLines(text).m_lines) {
        fuzz::Check(FirstChars(line, 24).size() <= line.size());
        fuzz::Check(StartsWithIgnoringCase(line, FirstChars(line, 9)));
    }
    return 0;
}
