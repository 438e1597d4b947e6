// Reading and writing the program's text files: code page 1251 or UTF-8 on disk, UTF-8 inside.
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "data/DiskFiles.h"

namespace veltrane {

struct TextLines {
    std::vector<std::string> m_lines;
    // False when the last line runs into the end of the file without a line break.
    bool m_endsWithLineBreak = true;
};

// Splits at LF; a CR right before the LF (or at the very end) is part of the line break.
TextLines SplitLines(std::string_view text);

// File bytes as UTF-8: taken as they are when they are valid UTF-8 (a leading byte order mark
// dropped), otherwise decoded as code page 1251.
std::string DecodeText(std::string_view bytes);

// The bytes a text is stored as: code page 1251 when that holds every character and reads
// back as the same text, otherwise UTF-8, so no name is ever lost to a "?".
std::string EncodeText(std::string_view utf8);

// The text of a file's bytes as a read gives it: at most kMaxTextFileBytes, cut after the last
// whole line within them, then decoded (see DecodeText).
std::string TextOfFileBytes(std::string_view bytes);

// The bytes a save writes for these lines: each followed by CR LF, encoded (see EncodeText).
std::string FileBytesOfLines(const std::vector<std::string>& lines);

// A file's text (see DecodeText). Only a regular file, or a symlink to one, is read; anything
// else (a folder, a FIFO, a device) reads as empty at once and is never waited on. A missing
// file is created empty as a regular file where the path names it (never through a dangling
// symlink, which is left alone). A file that can be neither read nor created reads as empty.
// A file larger than kMaxTextFileBytes is read up to the last whole line within the limit. A
// read that fails part-way (an I/O error, not the end of the file) reads as empty.
std::string ReadTextFile(const std::filesystem::path& path,
                         MissingFile missing = MissingFile::Create);

TextLines ReadTextLines(const std::filesystem::path& path,
                        MissingFile missing = MissingFile::Create);

// Writes each line followed by CR LF (see EncodeText) in place of the file, safely: see
// SaveFileSafely.
bool WriteTextLines(const std::filesystem::path& path, const std::vector<std::string>& lines,
                    Durability durability = Durability::Flushed);

}  // namespace veltrane
