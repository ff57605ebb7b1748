#include "platform/LockFile.h"
#include "platform/FileSystem.h"
#include "platform/PrivateTempFolder.h"
#include "platform/ui/testing/UnprivilegedUser.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <string>
#include <sys/stat.h>
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

// A folder of the test's in the temporary folder that another user reaches, with the mode given.
class SharedFolder
{
  public:
    explicit SharedFolder(mode_t mode)
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "locktest-XXXXXX").string();
        if (mkdtemp(pattern.data()) != nullptr) {
            m_path = pattern;
            chmod(m_path.c_str(), mode);
            UnprivilegedUser::LetThrough(m_path);
        }
    }
    ~SharedFolder()
    {
        std::error_code ignored;
        std::filesystem::permissions(m_path, std::filesystem::perms::owner_all, ignored);
        std::filesystem::remove_all(m_path, ignored);
    }
    CString operator/(const char* name) const { return FileSystem::FromNative(m_path / name); }

  private:
    std::filesystem::path m_path;
};

TEST(LockFile, AFolderThatCannotBeWrittenIsNoLockOfAnotherProgram)
{
    SharedFolder folder(0555);
    const CString path = folder / "a.zbk$";
    // What the user may not write; nobody holds a lock there.
    EXPECT_EQ(UnprivilegedUser::Run([&] {
                  LockFile lock;
                  return lock.Acquire(path) ? 1 : lock.GetFailure() == EACCES ? 0 : 2;
              }),
              0);
    EXPECT_FALSE(FileSystem::Exists(path));

    // Held by another program, the lock is refused as held.
    SharedFolder open(0777);
    LockFile held;
    ASSERT_TRUE(held.Acquire(open / "a.zbk$"));
    LockFile second;
    EXPECT_FALSE(second.Acquire(open / "a.zbk$"));
    EXPECT_EQ(second.GetFailure(), 0);
}

TEST(LockFile, AnotherUsersLockInASharedFolderIsHeldAsItIsForItsOwner)
{
    SharedFolder shared(0777);
    const CString path = shared / "a.zbk$";
    LockFile owner;
    ASSERT_TRUE(owner.Acquire(path));
    // Made with the usual mask: only its owner may write it.
    chmod(FileSystem::ToNative(path).c_str(), 0644);
    EXPECT_EQ(UnprivilegedUser::Run([&] {
                  LockFile lock;
                  return lock.Acquire(path) ? 1 : lock.GetFailure() == 0 ? 0 : 2;
              }),
              0)
        << "another user's lock is another program's lock";

    // One its owner left behind is no lock: taken, and removed when let go.
    owner.Release();
    const int leftover = open(FileSystem::ToNative(path).c_str(), O_WRONLY | O_CREAT, 0644);
    ASSERT_GE(leftover, 0);
    close(leftover);
    EXPECT_EQ(UnprivilegedUser::Run([&] {
                  LockFile lock;
                  if (!lock.Acquire(path)) {
                      return 1;
                  }
                  lock.Release();
                  return FileSystem::Exists(path) ? 2 : 0;
              }),
              0);
}

} // namespace
