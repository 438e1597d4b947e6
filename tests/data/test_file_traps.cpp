// Whatever lies in the working folder, the program's files never hang it, never lead a read or
// a save somewhere else, and a save is never lost or seen half written.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <future>
#include <memory>
#include <thread>

#include "ScratchFolder.h"
#include "data/CarrierGas.h"
#include "data/Liner.h"
#include "data/ListFile.h"
#include "data/Settings.h"
#include "data/Solvent.h"
#include "data/TextFile.h"

namespace veltrane {
namespace {

namespace fs = std::filesystem;
using testing::ScratchFolder;

// How much each reader took from its file, read as the windows read it: the file's text, then
// the parser of that file.
std::string Text(const fs::path& dir, const char* file) {
    return ReadTextFile(dir / file);
}

struct Reader {
    const char* file;
    std::function<std::size_t(const fs::path& dir)> read;
};
const Reader kReaders[] = {
    {"flow.cfg",
     [](const fs::path& dir) {
         std::size_t filled = 0;
         for (const std::string& slot : SettingsFromText(Text(dir, "flow.cfg")))
             filled += !slot.empty();
         return filled;
     }},
    {"gases.txt",
     [](const fs::path& dir) { return OfferedCount(GasesFromText(Text(dir, "gases.txt"))); }},
    {"solvents.txt",
     [](const fs::path& dir) { return OfferedCount(SolventsFromText(Text(dir, "solvents.txt"))); }},
    {"liners.txt",
     [](const fs::path& dir) { return OfferedCount(LinersFromText(Text(dir, "liners.txt"))); }},
    {"plot.xy", [](const fs::path& dir) { return Text(dir, "plot.xy").size(); }},
};

// The read runs on a thread of its own, so that a read that blocks fails the test rather
// than hangs it (the stuck thread is abandoned; the process ends all the same).
std::optional<std::size_t> ReadWithin(const Reader& reader, const fs::path& dir) {
    auto result = std::make_shared<std::promise<std::size_t>>();
    std::future<std::size_t> done = result->get_future();
    std::thread([read = reader.read, dir, result] { result->set_value(read(dir)); }).detach();
    if (done.wait_for(std::chrono::seconds(10)) != std::future_status::ready) return std::nullopt;
    return done.get();
}

TEST(FileTraps, AFifoFolderOrDanglingLinkInPlaceOfAFileReadsAsEmptyAtOnceAndStays) {
    const std::function<void(const fs::path&)> traps[] = {
        [](const fs::path& p) { ASSERT_EQ(::mkfifo(p.c_str(), 0644), 0); },
        [](const fs::path& p) { fs::create_directory(p); },
        [](const fs::path& p) { fs::create_symlink(p.parent_path() / "elsewhere", p); },
    };
    for (const Reader& reader : kReaders) {
        for (const auto& trap : traps) {
            ScratchFolder folder;
            const fs::path path = folder.Path() / reader.file;
            trap(path);
            const fs::file_type before = fs::symlink_status(path).type();
            EXPECT_EQ(ReadWithin(reader, folder.Path()), 0u) << reader.file;
            EXPECT_EQ(fs::symlink_status(path).type(), before) << reader.file;
            EXPECT_FALSE(fs::exists(folder.Path() / "elsewhere")) << reader.file;
        }
    }
}

TEST(FileTraps, ALinkOrFolderWithTheOldTemporaryNameNeitherRedirectsNorBlocksASave) {
    for (const auto durability : {Durability::Flushed, Durability::Scratch}) {
        for (const bool link : {true, false}) {
            ScratchFolder folder;
            const fs::path file = folder.Path() / "plot.xy";
            folder.Write("victim", "untouched");
            if (link)
                fs::create_symlink(folder.Path() / "victim", folder.Path() / "plot.xy.tmp");
            else
                fs::create_directory(folder.Path() / "plot.xy.tmp");
            ASSERT_TRUE(WriteTextLines(file, {"new"}, durability));
            ASSERT_TRUE(WriteTextLines(file, {"newer"}, durability));
            EXPECT_EQ(folder.Read("plot.xy"), "newer\r\n");
            EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(file)));
            EXPECT_EQ(folder.Read("victim"), "untouched");
            EXPECT_EQ(fs::symlink_status(folder.Path() / "plot.xy.tmp").type(),
                      link ? fs::file_type::symlink : fs::file_type::directory);
            EXPECT_EQ(std::distance(fs::directory_iterator(folder.Path()), {}), 3);
        }
    }
}

TEST(FileTraps, ASymlinkedFlowCfgIsSavedIntoTheFileItPointsToWithItsPermissions) {
    ScratchFolder folder;
    fs::create_directory(folder.Path() / "config");
    folder.Write("config/flow.cfg", "old");
    fs::permissions(folder.Path() / "config/flow.cfg",
                    fs::perms::owner_read | fs::perms::owner_write);
    fs::create_symlink("config/flow.cfg", folder.Path() / "flow.cfg");
    ASSERT_TRUE(WriteTextLines(folder.Path() / "flow.cfg", {"[Pressure Units]", "psi"}));
    EXPECT_TRUE(fs::is_symlink(folder.Path() / "flow.cfg"));
    EXPECT_EQ(folder.Read("config/flow.cfg"), "[Pressure Units]\r\npsi\r\n");
    EXPECT_EQ(fs::status(folder.Path() / "config/flow.cfg").permissions(),
              fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.Path() / "config"), {}), 1);
}

// Runs checks as an ordinary user, for whom permissions count (a forked child drops root's
// privileges first). Returns what failed, empty when all held.
std::string AsOrdinaryUser(const std::function<std::string()>& checks) {
    if (::geteuid() != 0) return checks();
    int pipeEnds[2];
    if (::pipe(pipeEnds) != 0) return "no pipe";
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(pipeEnds[0]);
        const std::string failed = ::setgid(65534) == 0 && ::setuid(65534) == 0
                                       ? checks()
                                       : std::string("cannot drop privileges");
        [[maybe_unused]] const auto written = ::write(pipeEnds[1], failed.data(), failed.size());
        ::_exit(0);
    }
    ::close(pipeEnds[1]);
    std::string failed;
    char buffer[256];
    for (ssize_t got; (got = ::read(pipeEnds[0], buffer, sizeof buffer)) > 0;)
        failed.append(buffer, static_cast<std::size_t>(got));
    ::close(pipeEnds[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    return child < 0 ? "no fork" : failed;
}

TEST(FileTraps, InAReadOnlyFolderFilesAreReadSavesFailAndNothingChanges) {
    ScratchFolder folder;
    folder.Write("flow.cfg", "[Pressure Units]\r\nbar\r\n");
    fs::permissions(folder.Path(), fs::perms::owner_read | fs::perms::owner_exec |
                                       fs::perms::group_read | fs::perms::group_exec |
                                       fs::perms::others_read | fs::perms::others_exec);
    const fs::path dir = folder.Path();
    EXPECT_EQ(AsOrdinaryUser([&dir]() -> std::string {
                  if (SettingsFromText(Text(dir, "flow.cfg"))[kUnitLine] != "bar")
                      return "flow.cfg not read";
                  if (OfferedCount(GasesFromText(Text(dir, "gases.txt"))) != 0)
                      return "gases.txt read";
                  if (WriteTextLines(dir / "flow.cfg", {"new"})) return "flow.cfg saved";
                  if (SettingsFromText(Text(dir, "flow.cfg"))[kUnitLine] != "bar")
                      return "flow.cfg changed";
                  if (std::distance(fs::directory_iterator(dir), {}) != 1) return "a file left";
                  return "";
              }),
              "");
    fs::permissions(folder.Path(), fs::perms::owner_all);
}

// A folder the user may write but not read cannot be opened to sync it after the rename; the
// file is replaced all the same, so the save has succeeded and must say so.
TEST(FileTraps, ASaveIntoAFolderThatCannotBeSyncedSucceedsOnceTheFileIsReplaced) {
    ScratchFolder folder;
    const fs::perms writeOnly = fs::perms::owner_write | fs::perms::owner_exec |
                                fs::perms::group_write | fs::perms::group_exec |
                                fs::perms::others_write | fs::perms::others_exec;
    fs::permissions(folder.Path(), writeOnly);
    const fs::path dir = folder.Path();
    EXPECT_EQ(AsOrdinaryUser([&dir]() -> std::string {
                  return WriteTextLines(dir / "flow.cfg", {"new"}) ? "" : "save reported failed";
              }),
              "");
    fs::permissions(folder.Path(), fs::perms::owner_all);
    EXPECT_EQ(folder.Read("flow.cfg"), "new\r\n");
}

TEST(FileTraps, AFileTheUserMayNotWriteIsNeverReplacedThoughItsFolderIsWritable) {
    ScratchFolder folder;
    folder.Write("flow.cfg", "[Pressure Units]\r\nbar\r\n");
    folder.Write("plot.xy", "old curve\r\n");
    for (const char* file : {"flow.cfg", "plot.xy"})
        fs::permissions(folder.Path() / file,
                        fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    fs::permissions(folder.Path(), fs::perms::all);
    const fs::path dir = folder.Path();
    EXPECT_EQ(AsOrdinaryUser([&dir]() -> std::string {
                  if (WriteTextLines(dir / "flow.cfg", {"new"})) return "flow.cfg saved";
                  if (WriteTextLines(dir / "plot.xy", {"new"}, Durability::Scratch))
                      return "plot.xy saved";
                  return "";
              }),
              "");
    EXPECT_EQ(folder.Read("flow.cfg"), "[Pressure Units]\r\nbar\r\n");
    EXPECT_EQ(folder.Read("plot.xy"), "old curve\r\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), {}), 2) << "a temporary file left";
    // Root may write where it likes, as a plain write would have let it.
    if (::geteuid() == 0) {
        EXPECT_TRUE(WriteTextLines(dir / "flow.cfg", {"new"}));
    }
}

TEST(FileTraps, ANewFileGetsTheModeAPlainCreateWouldGiveAndAnOldOneKeepsItsOwn) {
    ScratchFolder folder;
    const mode_t saved = ::umask(027);
    ASSERT_TRUE(WriteTextLines(folder.Path() / "flow.cfg", {"new"}));
    folder.Write("plot.xy", "old");
    fs::permissions(folder.Path() / "plot.xy",
                    fs::perms::owner_read | fs::perms::owner_write | fs::perms::others_read);
    ASSERT_TRUE(WriteTextLines(folder.Path() / "plot.xy", {"new"}, Durability::Scratch));
    ::umask(saved);
    EXPECT_EQ(fs::status(folder.Path() / "flow.cfg").permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(fs::status(folder.Path() / "plot.xy").permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::others_read);
}

TEST(FileTraps, AReadThatFailsPartWayReadsAsEmpty) {
    // The kernel's view of this process's memory is a regular file whose first read fails.
    EXPECT_EQ(ReadTextFile("/proc/self/mem", MissingFile::ReadAsEmpty), "");
}

TEST(FileTraps, TwoWritersSavingPlotXyAtOnceNeverShowAReaderLessThanAWholeFile) {
    ScratchFolder folder;
    const fs::path file = folder.Path() / "plot.xy";
    const std::vector<std::string> first(158, "1.0   12.3"), second(158, "150.0  98.7");
    auto whole = [](const std::vector<std::string>& lines) {
        std::string text;
        for (const std::string& line : lines) text += line + "\r\n";
        return text;
    };
    ASSERT_TRUE(WriteTextLines(file, first, Durability::Scratch));
    std::atomic<int> writing{2}, failedSaves{0};
    auto writer = [&](const std::vector<std::string>& lines) {
        for (int k = 0; k < 300; ++k)
            failedSaves += !WriteTextLines(file, lines, Durability::Scratch);
        --writing;
    };
    std::thread a(writer, first), b(writer, second);
    int reads = 0, partial = 0;
    while (writing > 0) {
        const std::string text = ReadTextFile(file);
        partial += text != whole(first) && text != whole(second);
        ++reads;
    }
    a.join();
    b.join();
    EXPECT_EQ(failedSaves, 0);
    EXPECT_EQ(partial, 0) << "of " << reads << " reads";
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.Path()), {}), 1);
}

}  // namespace
}  // namespace veltrane
