#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ScratchFolder.h"

#include "data/Cp1251.h"
#include "data/Text.h"
#include "data/TextFile.h"

namespace veltrane {
namespace {

TEST(Utf8, CountsAndCutsByCharacters) {
    EXPECT_EQ(CharCount("Гелий He"), 8u);
    EXPECT_EQ(FirstChars("Гелий He", 3), "Гел");
    EXPECT_EQ(FirstChars("€uro", 1), "€");
    // A stray byte is one character and is never glued to its neighbours.
    EXPECT_EQ(CharCount("a\xFF"
                        "b"),
              3u);
    EXPECT_EQ(FirstChars("a\xD0", 2), "a\xD0");
    EXPECT_TRUE(IsValidUtf8("Ацетон µl 😀"));
    EXPECT_FALSE(IsValidUtf8("\xC0\xAF"));      // overlong "/"
    EXPECT_FALSE(IsValidUtf8("\xED\xA0\x80"));  // surrogate
    EXPECT_FALSE(IsValidUtf8("\xC0\xE0\xE8"));  // code page 1251 "Лаи"
}

TEST(EscapedForMessage, KeepsCharactersAndEscapesStrayBytesAndControls) {
    const struct {
        const char* bytes;
        const char* shown;
    } cases[] = {
        {"Гелий µl", "Гелий µl"},
        {"caf\xE9", "caf\\xE9"},                         // Latin-1
        {"\xC0\xE0\xE8 \xD0", "\\xC0\\xE0\\xE8 \\xD0"},  // code page 1251, a cut sequence
        {"a\nb\x1B[31m\x7F", "a\\x0Ab\\x1B[31m\\x7F"},
    };
    for (const auto& c : cases) EXPECT_EQ(EscapedForMessage(c.bytes), c.shown) << c.shown;
}

TEST(StartsWithIgnoringCase, LatinAndCyrillic) {
    EXPECT_TRUE(StartsWithIgnoringCase("Helium", "hEL"));
    EXPECT_TRUE(StartsWithIgnoringCase("Гелий", "гЕЛ"));
    EXPECT_TRUE(StartsWithIgnoringCase("Ёлка", "ёЛ"));
    EXPECT_TRUE(StartsWithIgnoringCase("ЯЩИК", "ящ"));
    EXPECT_TRUE(StartsWithIgnoringCase("", ""));
    EXPECT_FALSE(StartsWithIgnoringCase("Helium", "Helium 5.0"));
    EXPECT_FALSE(StartsWithIgnoringCase("Azote", "А"));  // Cyrillic А is not Latin A
}

TEST(Cp1251, RoundTripsCyrillicAndMarksWhatItCannotHold) {
    const std::string utf8 = "Азот, гелий; Ёё №1";
    const std::string bytes = Utf8ToCp1251(utf8);
    EXPECT_EQ(bytes.substr(0, 4), "\xC0\xE7\xEE\xF2");
    EXPECT_EQ(Cp1251ToUtf8(bytes), utf8);
    EXPECT_EQ(Utf8ToCp1251("a😀b中\xFF"), "a?b??");
    EXPECT_EQ(Cp1251ToUtf8("a\x98z"), "a?z");  // the one unassigned byte
}

using Lines = std::vector<std::string>;

TEST(SplitLines, AcceptsEitherLineEnd) {
    const TextLines lines = SplitLines("one\r\ntwo\n\r\nin\rside\nlast");
    EXPECT_EQ(lines.m_lines, (Lines{"one", "two", "", "in\rside", "last"}));
    EXPECT_FALSE(lines.m_endsWithLineBreak);
    EXPECT_EQ(SplitLines("a\r\n").m_lines, Lines{"a"});
    EXPECT_TRUE(SplitLines("a\r\n").m_endsWithLineBreak);
}

TEST(ReadTextFile, Utf8AsItIsAnythingElseAsCodePage1251MissingCreated) {
    testing::ScratchFolder folder;
    folder.Write("utf8.txt", "\xEF\xBB\xBFГелий\r\n");
    folder.Write("cp1251.txt", "\xC3\xE5\xEB\xE8\xE9\r\n");
    EXPECT_EQ(ReadTextFile(folder.Path() / "utf8.txt"), "Гелий\r\n");
    EXPECT_EQ(ReadTextFile(folder.Path() / "cp1251.txt"), "Гелий\r\n");
    EXPECT_EQ(ReadTextFile(folder.Path() / "new.txt"), "");
    EXPECT_TRUE(std::filesystem::exists(folder.Path() / "new.txt"));
    EXPECT_EQ(ReadTextFile(folder.Path() / "no" / "folder.txt"), "");
    EXPECT_EQ(ReadTextFile(folder.Path()), "");
}

TEST(ReadTextFile, AHugeFileKeepsOnlyItsWholeLinesWithinTheLimit) {
    testing::ScratchFolder folder;
    folder.Write("huge.txt", "first\r\n" + std::string(kMaxTextFileBytes, 'x') + "\r\n");
    EXPECT_EQ(ReadTextFile(folder.Path() / "huge.txt"), "first\r\n");
}

TEST(WriteTextLines, CodePage1251WithCrLfAndNothingLeftBehindOnFailure) {
    testing::ScratchFolder folder;
    folder.Write("flow.cfg", "old contents");
    ASSERT_TRUE(WriteTextLines(folder.Path() / "flow.cfg", {"[Gas]", "Гелий", ""}));
    EXPECT_EQ(folder.Read("flow.cfg"), "[Gas]\r\n\xC3\xE5\xEB\xE8\xE9\r\n\r\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}), 1);

    std::filesystem::create_directory(folder.Path() / "plot.xy");  // cannot be replaced
    EXPECT_FALSE(WriteTextLines(folder.Path() / "plot.xy", {"new"}));
    EXPECT_FALSE(WriteTextLines(folder.Path() / "no" / "flow.cfg", {"new"}));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}), 2);
}

TEST(EncodeText, CodePage1251WhenItHoldsEverythingAndReadsBackSoOtherwiseUtf8) {
    const struct {
        std::string text, bytes;
    } rows[] = {
        {"He\r\n", "He\r\n"},
        {"Гелий №5\r\n",
         "\xC3\xE5\xEB\xE8\xE9 \xB9"
         "5\r\n"},
        {"Hydrogen H₂\r\nГелий\r\n", "Hydrogen H₂\r\nГелий\r\n"},  // one line decides for all
        {"Гё\r\n", "Гё\r\n"},  // in 1251 "\xC3\xB8", which would read back as UTF-8 "ø"
        {"\uFEFFa",
         "\xEF\xBB\xBF\xEF\xBB\xBF"
         "a"},  // a reader drops the first mark (found by fuzzing)
    };
    for (const auto& row : rows) {
        EXPECT_EQ(EncodeText(row.text), row.bytes) << row.text;
        EXPECT_EQ(DecodeText(EncodeText(row.text)), row.text) << row.text;
    }
}

}  // namespace
}  // namespace veltrane
