#include "platform/SingleInstance.h"
#include "platform/FileSystem.h"
#include "platform/PrivateTempFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <fcntl.h>
#include <future>
#include <poll.h>
#include <string>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A fresh private folder for each test inside the process's temporary folder.
CString MakeFolder(const char* name, mode_t mode = 0700)
{
    static int counter = 0;
    const CString path = PrivateTempFolder::Get() + name + std::to_string(++counter).c_str();
    mkdir(FileSystem::ToNative(path).c_str(), mode);
    chmod(FileSystem::ToNative(path).c_str(), mode);
    return path;
}

bool WaitReadable(int fd, int ms)
{
    pollfd entry = {fd, POLLIN, 0};
    return poll(&entry, 1, ms) == 1;
}

// Sends from a second copy on another thread while the first copy takes the request.
std::pair<bool, std::string> HandOver(SingleInstance& first, SingleInstance& second,
                                      const std::string& message)
{
    auto sent = std::async(std::launch::async, [&] { return second.Send(message, 3000); });
    std::string received;
    if (WaitReadable(first.GetListenHandle(), 3000)) {
        first.Receive(received);
    }
    return {sent.get(), received};
}

TEST(SingleInstanceTest, SecondCopyFindsTheFirstAndHandsItsRequestOver)
{
    const CString folder = MakeFolder("pair");
    SingleInstance first("Zantoby");
    SingleInstance second("Zantoby");
    ASSERT_EQ(first.Start(folder), SingleInstance::Role::First);
    ASSERT_EQ(second.Start(folder), SingleInstance::Role::Second);
    EXPECT_EQ(second.GetListenHandle(), -1);

    const std::string path = "open\n/home/user/商品/春.zbk";
    auto [delivered, received] = HandOver(first, second, path);
    EXPECT_TRUE(delivered);
    EXPECT_EQ(received, path);

    // A second request on the same socket works as well, also an empty one (bring forward only).
    auto [raised, empty] = HandOver(first, second, "");
    EXPECT_TRUE(raised);
    EXPECT_EQ(empty, "");
}

TEST(SingleInstanceTest, SenderReachesTheRunningCopyAndNeverTakesTheLockItself)
{
    const CString folder = MakeFolder("sender");
    SingleInstance sender("Zantoby");
    ASSERT_EQ(sender.StartAsSender(folder), SingleInstance::Role::Second);
    // No copy runs: the request fails at once instead of waiting for one to start.
    timespec before = {}, after = {};
    clock_gettime(CLOCK_MONOTONIC, &before);
    EXPECT_FALSE(sender.Send("close", 10000));
    clock_gettime(CLOCK_MONOTONIC, &after);
    EXPECT_LT(after.tv_sec - before.tv_sec, 5);

    SingleInstance first("Zantoby");
    ASSERT_EQ(first.Start(folder), SingleInstance::Role::First);
    auto [delivered, received] = HandOver(first, sender, "close");
    EXPECT_TRUE(delivered);
    EXPECT_EQ(received, "close");
}

TEST(SingleInstanceTest, NothingWaitingGivesNoRequest)
{
    SingleInstance first("Zantoby");
    ASSERT_EQ(first.Start(MakeFolder("idle")), SingleInstance::Role::First);
    std::string message = "left over";
    EXPECT_FALSE(first.Receive(message));
    EXPECT_EQ(message, "");
}

TEST(SingleInstanceTest, LockIsFreedWhenTheFirstCopyEndsAndALeftOverSocketIsReplaced)
{
    const CString folder = MakeFolder("restart");
    {
        SingleInstance first("Zantoby");
        ASSERT_EQ(first.Start(folder), SingleInstance::Role::First);
    }
    // A crashed copy leaves its socket file behind.
    const std::string socketPath = FileSystem::ToNative(folder).string() + "/Zantoby.sock";
    close(open(socketPath.c_str(), O_CREAT | O_WRONLY, 0600));

    SingleInstance next("Zantoby");
    ASSERT_EQ(next.Start(folder), SingleInstance::Role::First);
    SingleInstance later("Zantoby");
    ASSERT_EQ(later.Start(folder), SingleInstance::Role::Second);
    EXPECT_TRUE(HandOver(next, later, "x").first);
}

TEST(SingleInstanceTest, SendGivesUpWhenTheLockHolderNeverListens)
{
    const CString folder = MakeFolder("deaf");
    const std::string lockPath = FileSystem::ToNative(folder).string() + "/Zantoby.lock";
    const int holder = open(lockPath.c_str(), O_RDWR | O_CREAT, 0600);
    ASSERT_EQ(flock(holder, LOCK_EX), 0);

    SingleInstance second("Zantoby");
    ASSERT_EQ(second.Start(folder), SingleInstance::Role::Second);
    EXPECT_FALSE(second.Send("open\n/a.zbk", 300));
    close(holder);
}

TEST(SingleInstanceTest, OversizedRequestIsRefusedOnBothSides)
{
    const CString folder = MakeFolder("big");
    SingleInstance first("Zantoby");
    SingleInstance second("Zantoby");
    ASSERT_EQ(first.Start(folder), SingleInstance::Role::First);
    ASSERT_EQ(second.Start(folder), SingleInstance::Role::Second);
    EXPECT_FALSE(second.Send(std::string(SingleInstance::kMaxMessage + 1, 'a'), 500));
    EXPECT_TRUE(HandOver(first, second, std::string(SingleInstance::kMaxMessage, 'a')).first);
}

TEST(SingleInstanceTest, FolderTooDeepForASocketRunsAlone)
{
    CString deep = MakeFolder("deep");
    while (deep.GetLength() < 120) {
        deep += "/sub";
        mkdir(FileSystem::ToNative(deep).c_str(), 0700);
    }
    SingleInstance alone("Zantoby");
    EXPECT_EQ(alone.Start(deep), SingleInstance::Role::Alone);
    EXPECT_EQ(alone.GetListenHandle(), -1);
}

TEST(SingleInstanceTest, RuntimeFolderMustBePrivate)
{
    const CString privateFolder = MakeFolder("runtime");
    const CString openFolder = MakeFolder("shared", 0755);
    const CString tempBase = MakeFolder("tmp");
    const char* saved = std::getenv("XDG_RUNTIME_DIR");
    const std::string restore = saved != nullptr ? saved : "";

    setenv("XDG_RUNTIME_DIR", FileSystem::ToNative(privateFolder).c_str(), 1);
    EXPECT_EQ(SingleInstance::GetRuntimeFolder("Zantoby", FileSystem::ToNative(tempBase).c_str()),
              privateFolder);

    // A folder others may enter is not used; the fallback is made private.
    const CString fallback = tempBase + "/zantoby-runtime-" + std::to_string(getuid()).c_str();
    setenv("XDG_RUNTIME_DIR", FileSystem::ToNative(openFolder).c_str(), 1);
    EXPECT_EQ(SingleInstance::GetRuntimeFolder("Zantoby", FileSystem::ToNative(tempBase).c_str()), fallback);
    struct stat info = {};
    ASSERT_EQ(stat(FileSystem::ToNative(fallback).c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0700u);

    // A relative value is ignored; a fallback opened up to others is refused.
    setenv("XDG_RUNTIME_DIR", "relative/run", 1);
    chmod(FileSystem::ToNative(fallback).c_str(), 0777);
    EXPECT_EQ(SingleInstance::GetRuntimeFolder("Zantoby", FileSystem::ToNative(tempBase).c_str()), "");

    if (saved != nullptr) {
        setenv("XDG_RUNTIME_DIR", restore.c_str(), 1);
    } else {
        unsetenv("XDG_RUNTIME_DIR");
    }
}

} // namespace
