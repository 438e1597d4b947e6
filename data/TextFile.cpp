#include "data/TextFile.h"

#include "data/Cp1251.h"
#include "data/DiskFiles.h"
#include "data/Text.h"

namespace veltrane {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

}  // namespace

TextLines SplitLines(std::string_view text) {
    TextLines result;
    while (!text.empty()) {
        const std::size_t lineFeed = text.find('\n');
        std::string_view line = text.substr(0, lineFeed);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        result.m_lines.emplace_back(line);
        if (lineFeed == std::string_view::npos) {
            result.m_endsWithLineBreak = false;
            break;
        }
        text.remove_prefix(lineFeed + 1);
    }
    return result;
}

std::string DecodeText(std::string_view bytes) {
    std::string_view text = bytes;
    if (text.substr(0, kByteOrderMark.size()) == kByteOrderMark)
        text.remove_prefix(kByteOrderMark.size());
    if (IsValidUtf8(text)) return std::string(text);
    return Cp1251ToUtf8(bytes);
}

std::string EncodeText(std::string_view utf8) {
    // A few odd pairs of code page 1251 letters happen to be valid UTF-8 and would read back
    // as something else; such a text is stored in UTF-8 as well.
    if (auto bytes = Utf8ToCp1251Exactly(utf8); bytes && DecodeText(*bytes) == utf8)
        return *std::move(bytes);
    // Malformed text cannot be stored as UTF-8; it never comes from our own reading.
    if (!IsValidUtf8(utf8)) return Utf8ToCp1251(utf8);
    // A reader drops one byte order mark; a text that begins with one of its own keeps it.
    if (utf8.substr(0, kByteOrderMark.size()) == kByteOrderMark)
        return std::string(kByteOrderMark) + std::string(utf8);
    return std::string(utf8);
}

std::string TextOfFileBytes(std::string_view bytes) {
    if (bytes.size() > kMaxTextFileBytes) {
        // A character cut in two would also turn a UTF-8 file into code page 1251.
        const std::size_t lastLineFeed = bytes.substr(0, kMaxTextFileBytes).rfind('\n');
        bytes = bytes.substr(0, lastLineFeed == std::string_view::npos ? 0 : lastLineFeed + 1);
    }
    return DecodeText(bytes);
}

std::string FileBytesOfLines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += line;
        text += "\r\n";
    }
    return EncodeText(text);
}

std::string ReadTextFile(const std::filesystem::path& path, MissingFile missing) {
    const std::optional<std::string> bytes = ReadRegularFile(path, missing);
    return bytes ? TextOfFileBytes(*bytes) : std::string();
}

TextLines ReadTextLines(const std::filesystem::path& path, MissingFile missing) {
    return SplitLines(ReadTextFile(path, missing));
}

bool WriteTextLines(const std::filesystem::path& path, const std::vector<std::string>& lines,
                    Durability durability) {
    return SaveFileSafely(path, FileBytesOfLines(lines), durability);
}

}  // namespace veltrane
