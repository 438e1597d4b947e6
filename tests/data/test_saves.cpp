// Safe saves on every system: what a save refuses it leaves as it was, and nothing stays behind.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "ScratchFolder.h"
#include "data/TextFile.h"

namespace veltrane::testing {
namespace {

namespace fs = std::filesystem;

std::size_t EntriesIn(const fs::path& folder) {
    return static_cast<std::size_t>(std::distance(fs::directory_iterator(folder), {}));
}

TEST(Saves, TwoSavesInARowLeaveTheLastAndNothingElse) {
    ScratchFolder scratch;
    ASSERT_TRUE(WriteTextLines(scratch.Path() / "flow.cfg", {"one"}));
    ASSERT_TRUE(WriteTextLines(scratch.Path() / "flow.cfg", {"two", "Гелий"}));
    EXPECT_EQ(scratch.Read("flow.cfg"), "two\r\n\xC3\xE5\xEB\xE8\xE9\r\n");
    EXPECT_EQ(EntriesIn(scratch.Path()), 1u);
}

TEST(Saves, AReadOnlyFileOrAFolderIsRefusedAndLeftAsItWas) {
    ScratchFolder scratch;
    scratch.Write("flow.cfg", "old\r\n");
    fs::permissions(scratch.Path() / "flow.cfg",
                    fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    // Whoever may write a read-only file anyway (root on Linux) may save it too.
    if (!std::ofstream(scratch.Path() / "flow.cfg", std::ios::app)) {
        EXPECT_FALSE(WriteTextLines(scratch.Path() / "flow.cfg", {"new"}));
        EXPECT_EQ(scratch.Read("flow.cfg"), "old\r\n");
    }
    fs::create_directory(scratch.Path() / "plot.xy");
    EXPECT_FALSE(WriteTextLines(scratch.Path() / "plot.xy", {"new"}, Durability::Scratch));
    EXPECT_TRUE(fs::is_directory(scratch.Path() / "plot.xy"));
    EXPECT_EQ(EntriesIn(scratch.Path()), 2u) << "no temporary file stays behind";
    fs::permissions(scratch.Path() / "flow.cfg", fs::perms::owner_write, fs::perm_options::add);
}

TEST(Saves, AFolderInPlaceOfAFileReadsAsEmptyAndAMissingFileIsCreated) {
    ScratchFolder scratch;
    fs::create_directory(scratch.Path() / "gases.txt");
    EXPECT_EQ(ReadTextFile(scratch.Path() / "gases.txt"), "");
    EXPECT_EQ(ReadTextFile(scratch.Path() / "liners.txt"), "");
    EXPECT_TRUE(fs::is_regular_file(scratch.Path() / "liners.txt"));
}

}  // namespace
}  // namespace veltrane::testing
