#include <gtest/gtest.h>

#include <unistd.h>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <utility>

#include "grid/tests/DatasetFiles.h"
#include "positions/PositionList.h"
#include "positions/PositionsFile.h"
#include "toolkit/ZException.h"

namespace {

class PositionsFile : public testing::Test {
  protected:
    std::string read(const std::string& file = "positions.txt") const {
        std::ifstream in(folder.file(file), std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    std::string name() const { return folder.file("positions.txt"); }

    // The positions read, as a new file writes them: every field of each, in list order.
    std::string readBack() {
        readPositions(name().c_str(), positions);
        writePositions(folder.file("out.txt").c_str(), positions);
        return read("out.txt");
    }

    TemporaryDirectory folder;
    PositionList positions;
};

TEST_F(PositionsFile, SkipsCommentsBlankAndShortLinesAndNumbersTheRest) {
    folder.write("positions.txt",
                 "# Orte\n\n   \nkurz\t1\t2\t3\t4\t5\t6\t7\n"
                 "Berlin\t52\t31\t0\t0\t13\t24\t0\t0\r\n"
                 "  Süd West \t-3\t+70x\t9\t1\t 181\tabc\t-2147483648\t1\textra\t\n"
                 "\t#nicht\t1\t2\t3\t4\t5\t6\t7\t8\n");
    // Trimmed lines; the minutes stand before the reserved number; numbers as far as digits.
    EXPECT_EQ(readBack(),
              "Berlin\t52\t31\t0\t0\t13\t24\t0\t0\n"
              "Süd West \t-3\t70\t9\t1\t181\t0\t-2147483648\t1\n");
    EXPECT_EQ(positions.lastPositionId(), 2u);
    // A missing file means no positions.
    std::filesystem::remove(name());
    EXPECT_FALSE(readPositions(name().c_str(), positions));
    EXPECT_EQ(positions.size() + positions.lastPositionId(), 0u);
}

// Written in list order with reserved numbers as read; what is written reads back the same.
TEST_F(PositionsFile, WritesOneLinePerPositionThatReadsBackUnchanged) {
    folder.write("positions.txt",
                 "Berlin\t52\t31\t7\t0\t13\t24\t-1\t0\nKap Hoorn\t55\t59\t0\t1\t67\t16\t0\t1\n"
                 "Groß\t99999999999\t0\t0\t0\t0\t0\t0\t0\n");
    const std::string written = readBack();
    EXPECT_EQ(written,
              "Berlin\t52\t31\t7\t0\t13\t24\t-1\t0\nKap Hoorn\t55\t59\t0\t1\t67\t16\t0\t1\n"
              "Groß\t2147483647\t0\t0\t0\t0\t0\t0\t0\n");
    folder.write("positions.txt", written);
    EXPECT_EQ(readBack(), written);
}

// The older program wrote Windows-1252; a line that is UTF-8 throughout stays as it is.
TEST_F(PositionsFile, ReadsALineThatIsNotUtf8AsWindows1252) {
    const std::pair<const char*, const char*> names[] = {
        {"K\xF6ln", "Köln"}, {"\x84Zitat\x93 \x80 \x9C", "„Zitat“ € œ"},
        {"Köln", "Köln"},    {"Kö\xE9", "KÃ¶é"},
        {"\xC0\x80", "À€"},  {"\xED\xA0\x80", "í\xC2\xA0€"},
    };
    for (const auto& [bytes, expected] : names) {
        folder.write("positions.txt", std::string(bytes) + "\t1\t2\t0\t0\t3\t4\t0\t0\n");
        EXPECT_EQ(readBack(), std::string(expected) + "\t1\t2\t0\t0\t3\t4\t0\t0\n") << bytes;
    }
}

// The old file is kept as "positions.txt~" exactly when a line of it would be lost or changed
// by the save; positions the user changed in the program do not count.
TEST_F(PositionsFile, KeepsAHandEditedFileAsBackup) {
    const std::string line = "Berlin\t52\t31\t0\t0\t13\t24\t0\t0";
    const std::pair<std::string, bool> files[] = {
        {line + "\n", false},
        {"\n  \n" + line + " \r\n", false},
        {"K\xF6ln\t1\t2\t0\t0\t3\t4\t0\t0\n", false},
        {"# Orte\n" + line + "\n", true},
        {line + "\nkurz\t1\t2\n", true},
        {line + "\tNotiz\n", true},
        {"Berlin\t052\t31\t0\t0\t13\t24\t0\t0\n", true},
    };
    for (const auto& [old, kept] : files) {
        std::filesystem::remove(name() + "~");
        folder.write("positions.txt", old);
        readPositions(name().c_str(), positions);
        positions.add(Position{"Neu", 0, 0, {}});
        EXPECT_EQ(writePositions(name().c_str(), positions), kept) << old;
        EXPECT_EQ(std::filesystem::exists(name() + "~"), kept) << old;
        EXPECT_EQ(read("positions.txt~"), kept ? old : "") << old;
        EXPECT_NE(read().find("Neu\t0"), std::string::npos) << old;
    }
}

// The last saved positions survive a save that cannot be finished or may not overwrite them.
TEST_F(PositionsFile, FailedSaveKeepsTheOldFile) {
    const std::string old = "# Orte\nBerlin\t52\t31\t0\t0\t13\t24\t0\t0\n";
    folder.write("positions.txt", old);
    positions.add(Position{"Neu", 0, 0, {}});
    if (geteuid() == 0) {
        GTEST_SKIP() << "the superuser may write any file";
    }
    // A file that may not be written.
    std::filesystem::permissions(name(), std::filesystem::perms::owner_read);
    try {
        writePositions(name().c_str(), positions);
        ADD_FAILURE() << "a read-only file was replaced";
    } catch (const ZException& exception) {
        EXPECT_NE(exception.getMessage().str().find("positions.txt"), std::string::npos);
    }
    std::filesystem::permissions(name(), std::filesystem::perms::owner_all);
    EXPECT_EQ(read(), old);
}

// Leading blanks and "#" would be lost or turn the line into a comment, a tab would split it.
TEST(PositionName, IsCleanedToWhatTheFileKeeps) {
    EXPECT_EQ(cleanPositionName("  Berlin  "), "Berlin");
    EXPECT_EQ(cleanPositionName("# 1\tHaus\r\nNr. 2"), "1 Haus  Nr. 2");
    EXPECT_EQ(cleanPositionName("Tor #3"), "Tor #3");
    EXPECT_EQ(cleanPositionName(" # # "), "");
    EXPECT_EQ(cleanPositionName("Zürich"), "Zürich");
}

}  // namespace
