#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "tests/grid/DatasetFiles.h"
#include "toolkit/ZSaveFile.h"

namespace {

namespace fs = std::filesystem;

// Through a link the file it names is replaced and keeps its permissions; the link stays, and
// nothing else is left in the folder.
TEST(SaveFile, ReplacesTheLinkedFileAndKeepsItsPermissions) {
    TemporaryDirectory folder;
    folder.write("karte.png", "alt");
    fs::permissions(folder.path() / "karte.png", fs::perms(0640));
    fs::create_symlink("karte.png", folder.path() / "link.png");

    ZSaveFile file(folder.file("link.png"));
    ASSERT_TRUE(file.open());
    ASSERT_TRUE(file.write("neu", 3));
    ASSERT_TRUE(file.commit());

    EXPECT_TRUE(fs::is_symlink(folder.path() / "link.png"));
    std::stringstream text;
    text << std::ifstream(folder.path() / "karte.png").rdbuf();
    EXPECT_EQ(text.str(), "neu");
    EXPECT_EQ(fs::status(folder.path() / "karte.png").permissions(), fs::perms(0640));
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), {}), 2);
}

}  // namespace
