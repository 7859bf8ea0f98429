#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "grid/tests/DatasetFiles.h"
#include "tests/app/support/FileFaults.h"
#include "toolkit/ZErrorText.h"
#include "toolkit/ZException.h"
#include "toolkit/ZFile.h"
#include "toolkit/ZReplacedFile.h"
#include "toolkit/ZSaveFile.h"
#include "toolkit/ZStringTokenizer.h"

namespace {

using Lines = std::vector<std::string>;

Lines readLines(const std::string& name) {
    ZFile file;
    file.open(name.c_str(), false);
    Lines lines;
    for (ZString line; file.readln(line);) {
        lines.push_back(line.str());
    }
    return lines;
}

std::string contents(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

std::set<std::string> entries(const std::filesystem::path& folder) {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        names.insert(entry.path().filename().string());
    }
    return names;
}

void replace(const std::filesystem::path& target, const std::string& line) {
    ZReplacedFile file(target.c_str());
    file.writeln(line.c_str());
    file.commit();
}

TEST(TextFiles, ReadlnDropsEitherLineEndAndKeepsAnUnendedLastLine) {
    TemporaryDirectory directory;
    std::string name = directory.file("lines.txt");
    for (const char* data : {"a b\n\nc\n", "a b\r\n\r\nc\r\n", "a b\n\r\nc"}) {
        writeFile(name, data);
        EXPECT_EQ(readLines(name), (Lines{"a b", "", "c"})) << data;
    }
}

TEST(TextFiles, TokenizerMergesOrKeepsEmptyFields) {
    for (bool keepEmpty : {false, true}) {
        ZStringTokenizer fields("a\t\tb\t", "\t", keepEmpty);
        Lines taken;
        for (std::size_t i = 0; i < fields.size(); ++i) {
            taken.push_back(fields.nextValue().str());
        }
        EXPECT_EQ(taken, (keepEmpty ? Lines{"a", "", "b", ""} : Lines{"a", "b"}));
    }
}

// Two writers of one file at the same time each write a file of their own: the last commit wins
// whole, nothing is mixed and neither fails.
TEST(SaveFile, TwoWritersAtOnceNeverShareTheNewFile) {
    TemporaryDirectory folder;
    const std::filesystem::path target = folder.path() / "init.txt";
    ZReplacedFile first(target.c_str());
    first.writeln("YEAR=1990");
    ZReplacedFile second(target.c_str());
    second.writeln("YEAR=2000");
    first.commit();
    EXPECT_EQ(contents(target), "YEAR=1990\n");
    second.commit();
    EXPECT_EQ(contents(target), "YEAR=2000\n");
    EXPECT_EQ(entries(folder.path()), std::set<std::string>{"init.txt"});
}

// A new file left by a killed run is removed; one of a running writer and other names stay.
TEST(SaveFile, RemovesOnlyTheLeftoversOfProcessesThatAreGone) {
    TemporaryDirectory folder;
    pid_t gone = fork();
    if (gone == 0) {
        _exit(0);
    }
    waitpid(gone, nullptr, 0);
    // Process 1 always runs.
    const std::set<std::string> others{"init.txt.bak", "init.txt.1.2", "init.txt.1.0000000a",
                                       "positions.txt." + std::to_string(gone) + ".0000000b"};
    for (const std::string& name : others) {
        folder.write(name, "x");
    }
    folder.write("init.txt." + std::to_string(gone) + ".0000000c", "halb");
    replace(folder.path() / "init.txt", "YEAR=2000");
    std::set<std::string> expected = others;
    expected.insert("init.txt");
    EXPECT_EQ(entries(folder.path()), expected);
}

// A link stays a link and the file behind it (existing or not yet) gets the new contents; the
// old file keeps its permissions, and nothing else is left in the folders.
TEST(SaveFile, WritesThroughLinksAndKeepsThePermissions) {
    TemporaryDirectory folder;
    folder.write("real/init.txt", "alt\n");
    std::filesystem::permissions(folder.path() / "real/init.txt",
                                 std::filesystem::perms::owner_read |
                                     std::filesystem::perms::owner_write |
                                     std::filesystem::perms::group_read);
    std::filesystem::create_symlink("real/init.txt", folder.path() / "init.txt");
    std::filesystem::create_symlink("real/later.txt", folder.path() / "later.txt");
    std::filesystem::create_symlink(folder.path() / "later.txt", folder.path() / "chain.txt");
    replace(folder.path() / "init.txt", "neu");
    replace(folder.path() / "chain.txt", "später");
    EXPECT_TRUE(std::filesystem::is_symlink(folder.path() / "init.txt"));
    EXPECT_TRUE(std::filesystem::is_symlink(folder.path() / "chain.txt"));
    EXPECT_EQ(contents(folder.path() / "real/init.txt"), "neu\n");
    EXPECT_EQ(contents(folder.path() / "real/later.txt"), "später\n");
    struct stat info {};
    ASSERT_EQ(stat((folder.path() / "real/init.txt").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
    EXPECT_EQ(entries(folder.path() / "real"), (std::set<std::string>{"init.txt", "later.txt"}));
    EXPECT_EQ(entries(folder.path()),
              (std::set<std::string>{"chain.txt", "init.txt", "later.txt", "real"}));
}

// Small writes wait in the buffer until a flush hands them on at once; a device (here a pipe)
// is written directly.
TEST(SaveFile, GathersSmallWritesUntilAFlush) {
    TemporaryDirectory folder;
    const std::string pipe = folder.file("pipe");
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    const int reader = open(pipe.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    ASSERT_GE(reader, 0);
    ZSaveFile file(pipe);
    ASSERT_TRUE(file.open());
    for (int i = 0; i < 1000; ++i) {
        ASSERT_TRUE(file.write("x", 1));
    }
    char bytes[2000];
    EXPECT_EQ(read(reader, bytes, sizeof bytes), -1);
    ASSERT_TRUE(file.flush());
    EXPECT_EQ(read(reader, bytes, sizeof bytes), 1000);
    EXPECT_TRUE(file.commit());
    close(reader);
    EXPECT_EQ(entries(folder.path()), std::set<std::string>{"pipe"});
}

// Each failure names the file and the system's reason, and leaves the folder as it was. These
// work for the superuser too: a full disk, a folder under a file, a link to itself.
TEST(ReplacedFile, FailuresNameTheReasonAndLeaveEverythingAsItWas) {
    struct Case {
        const char* reason;
        std::function<void(const std::filesystem::path& folder)> prepare;
        const char* target;
    };
    const Case cases[] = {
        {"No space left on device", [](const auto& folder) { makeFullFile(folder / "t"); }, "t"},
        {"Not a directory", [](const auto& folder) { writeFile(folder / "f", "alt"); }, "f/t"},
        {"Too many levels of symbolic links",
         [](const auto& folder) { std::filesystem::create_symlink("t", folder / "t"); }, "t"},
    };
    for (const Case& c : cases) {
        TemporaryDirectory folder;
        c.prepare(folder.path());
        const std::set<std::string> before = entries(folder.path());
        const std::string target = (folder.path() / c.target).string();
        try {
            replace(target, std::string(10000, 'x'));
            ADD_FAILURE() << c.reason;
        } catch (const ZException& exception) {
            EXPECT_EQ(exception.getMessage(), "\"" + target + "\": " + c.reason);
        }
        EXPECT_EQ(entries(folder.path()), before) << c.reason;
    }
    EXPECT_FALSE(errorText(-5).isEmpty());
}

}  // namespace
