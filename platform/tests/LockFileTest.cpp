#include "platform/LockFile.h"
#include "platform/FileSystem.h"
#include "platform/PrivateTempFolder.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

namespace {

TEST(LockFile, SecondHolderIsRefusedUntilTheFirstReleases)
{
    CString path = PrivateTempFolder::Get() + "リスト.zbk$";
    LockFile first;
    ASSERT_TRUE(first.Acquire(path));
    EXPECT_TRUE(FileSystem::Exists(path));

    LockFile second;
    EXPECT_FALSE(second.Acquire(path));
    EXPECT_FALSE(second.IsHeld());
    // Another process is refused as well.
    pid_t child = fork();
    if (child == 0) {
        LockFile other;
        _exit(other.Acquire(path) ? 1 : 0);
    }
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_EQ(WEXITSTATUS(status), 0);

    first.Release();
    EXPECT_FALSE(FileSystem::Exists(path));
    EXPECT_TRUE(second.Acquire(path));
    second.Release();
    EXPECT_FALSE(FileSystem::Exists(path));
}

TEST(LockFile, MissingFolderFails)
{
    LockFile lock;
    EXPECT_FALSE(lock.Acquire(PrivateTempFolder::Get() + "no-such-folder/a.zbk$"));
    lock.Release(); // nothing held: nothing removed, no failure
    EXPECT_TRUE(lock.GetPath().IsEmpty());
}

} // namespace
