// Reading and writing the program's text files: code page 1251 or UTF-8 on disk, UTF-8 inside.
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace veltrane {

// Anything beyond this is not one of our files; only the lines before it are read.
inline constexpr std::size_t kMaxTextFileBytes = 4 * 1024 * 1024;

struct TextLines {
    std::vector<std::string> m_lines;
    // False when the last line runs into the end of the file without a line break.
    bool m_endsWithLineBreak = true;
};

// Splits at LF; a CR right before the LF (or at the very end) is part of the line break.
TextLines SplitLines(std::string_view text);

// What reading does about a file that is not there: the windows create it empty, as they
// always have; a reader that must leave the folder as it found it reads it as empty.
enum class MissingFile { Create, ReadAsEmpty };

// The bytes of a file as UTF-8: taken as they are when they are valid UTF-8 (a leading byte
// order mark dropped), otherwise decoded as code page 1251. A missing file is created empty
// (or only read as empty); a file that can be neither read nor created reads as empty. A file
// larger than kMaxTextFileBytes is read up to the last whole line within the limit.
std::string ReadTextFile(const std::filesystem::path& path,
                         MissingFile missing = MissingFile::Create);

TextLines ReadTextLines(const std::filesystem::path& path,
                        MissingFile missing = MissingFile::Create);

// Writes each line followed by CR LF in code page 1251, through a temporary file beside the
// target that is renamed over it, so the old file stays whole until the new one is. Returns
// false when the file could not be written; the old file is then left as it was.
// A file the user's choices live in is flushed to disk before it replaces the old one; a
// scratch file, made anew from the window whenever it is needed, is not.
enum class Durability { Flushed, Scratch };
bool WriteTextLines(const std::filesystem::path& path, const std::vector<std::string>& lines,
                    Durability durability = Durability::Flushed);

}  // namespace veltrane
