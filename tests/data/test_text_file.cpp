#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ScratchFolder.h"
#include "data/TextFile.h"

namespace veltrane {
namespace {

using veltrane::testing::ScratchFolder;

TEST(SplitLines, AcceptsEitherLineEnd) {
    const TextLines lines = SplitLines("one\r\ntwo\n\r\nlast");
    EXPECT_EQ(lines.m_lines, (std::vector<std::string>{"one", "two", "", "last"}));
    EXPECT_FALSE(lines.m_endsWithLineBreak);

    const TextLines ended = SplitLines("a\r\nb\r\n");
    EXPECT_EQ(ended.m_lines, (std::vector<std::string>{"a", "b"}));
    EXPECT_TRUE(ended.m_endsWithLineBreak);

    EXPECT_TRUE(SplitLines("").m_lines.empty());
    EXPECT_EQ(SplitLines("in\rside\n").m_lines, std::vector<std::string>{"in\rside"});
}

TEST(ReadTextFile, TakesUtf8AsItIsAndAnythingElseAsCodePage1251) {
    ScratchFolder folder;
    folder.Write("utf8.txt", "\xEF\xBB\xBFГелий\r\n");
    folder.Write("cp1251.txt", "\xC3\xE5\xEB\xE8\xE9\r\n");
    EXPECT_EQ(ReadTextFile(folder.Path() / "utf8.txt"), "Гелий\r\n");
    EXPECT_EQ(ReadTextFile(folder.Path() / "cp1251.txt"), "Гелий\r\n");
}

TEST(ReadTextFile, CreatesAMissingFileEmpty) {
    ScratchFolder folder;
    EXPECT_EQ(ReadTextFile(folder.Path() / "gases.txt"), "");
    EXPECT_TRUE(std::filesystem::exists(folder.Path() / "gases.txt"));
    // Neither readable nor creatable: empty, no crash.
    EXPECT_EQ(ReadTextFile(folder.Path() / "no" / "such" / "folder.txt"), "");
    EXPECT_EQ(ReadTextFile(folder.Path()), "");
}

TEST(ReadTextFile, AHugeFileKeepsOnlyItsWholeLinesWithinTheLimit) {
    ScratchFolder folder;
    std::string bytes = "first\r\n";
    bytes += std::string(kMaxTextFileBytes, 'x');
    bytes += "\r\n";
    folder.Write("huge.txt", bytes);
    EXPECT_EQ(ReadTextFile(folder.Path() / "huge.txt"), "first\r\n");
}

TEST(WriteTextLines, WritesCodePage1251WithCrLfAndLeavesNoTemporaryFile) {
    ScratchFolder folder;
    folder.Write("flow.cfg", "old contents");
    ASSERT_TRUE(WriteTextLines(folder.Path() / "flow.cfg", {"[Gas]", "Гелий", ""}));
    EXPECT_EQ(folder.Read("flow.cfg"), "[Gas]\r\n\xC3\xE5\xEB\xE8\xE9\r\n\r\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}), 1);
    EXPECT_EQ(ReadTextLines(folder.Path() / "flow.cfg").m_lines,
              (std::vector<std::string>{"[Gas]", "Гелий", ""}));
}

TEST(WriteTextLines, AFailedWriteLeavesTheOldFile) {
    ScratchFolder folder;
    EXPECT_FALSE(WriteTextLines(folder.Path() / "missing" / "flow.cfg", {"x"}));
    // A folder in the way of the temporary file: the target stays as it was.
    folder.Write("flow.cfg", "kept\r\n");
    std::filesystem::create_directory(folder.Path() / "flow.cfg.tmp");
    EXPECT_FALSE(WriteTextLines(folder.Path() / "flow.cfg", {"new"}));
    EXPECT_EQ(folder.Read("flow.cfg"), "kept\r\n");
}

}  // namespace
}  // namespace veltrane
