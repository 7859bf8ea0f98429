#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>

#include "app/WorkingFolderLock.h"
#include "grid/tests/DatasetFiles.h"

namespace {

// While one lock lives a second in the folder is refused; once it is gone the folder can be
// taken again.
TEST(WorkingFolderLockTest, SecondLockIsRefusedWhileTheFirstLives) {
    TemporaryDirectory folder(true);
    {
        WorkingFolderLock first;
        ASSERT_TRUE(first.isHeld());
        WorkingFolderLock second;
        EXPECT_FALSE(second.isHeld());
    }
    EXPECT_FALSE(std::filesystem::exists(WorkingFolderLock::FILE_NAME));
    EXPECT_TRUE(WorkingFolderLock().isHeld());
}

// A copy that ends without letting go (killed, crashed) leaves its lock file behind: the next
// copy takes the folder over.
TEST(WorkingFolderLockTest, LockOfACopyThatIsGoneIsTakenOver) {
    TemporaryDirectory folder(true);
    pid_t copy = fork();
    ASSERT_NE(copy, -1);
    if (copy == 0) {
        WorkingFolderLock held;
        _exit(held.isHeld() ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(copy, &status, 0), copy);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    ASSERT_TRUE(std::filesystem::exists(WorkingFolderLock::FILE_NAME));
    EXPECT_TRUE(WorkingFolderLock().isHeld());
}

}  // namespace
