#pragma once

#include <filesystem>
#include <functional>

#include <sys/types.h>

// The account of a user who owns nothing of the test's, for what users meet where they may not
// write: installed files, a colleague's share, a CD. A test that runs as root (as CI runs)
// switches to the system's "nobody"; any other test user has no rights to give up and stays
// who it is.
namespace UnprivilegedUser {

uid_t Uid();
gid_t Gid();

// Switches the calling process to the account for good, with no supplementary groups: for a
// test's child, before it goes on to exec or to do the user's part. False when it could not.
bool Become();

// Runs work in a child process that has become the account; work's result is the child's exit
// code, which this returns (-1 when the child could not switch or died).
int Run(const std::function<int()>& work);

// Gives path, and all below it when it is a folder, to the account, as a home or a runtime
// folder of the user's own. False when it could not.
bool Give(const std::filesystem::path& path);

// Lets the account reach what a test made in the temporary folder ($TMPDIR or /tmp): search
// permission for others on path, when it is a folder, and on each folder above it up to the
// temporary folder. Nothing outside the temporary folder changes.
void LetThrough(const std::filesystem::path& path);

} // namespace UnprivilegedUser
