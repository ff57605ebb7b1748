#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include <sys/types.h>

// A copy of a program that a test starts as a separate process, as a user or the desktop starts
// it, and the waits on what it does. Each wait ends as soon as its condition holds; its bound
// only stops a test whose program hangs, and is long enough for a sanitizer build on a machine
// loaded with other builds.
namespace ProgramProcess {

constexpr int kPatienceSeconds = 180;

// How a copy is started beyond its arguments.
struct StartOptions
{
    // A file that takes what the copy writes to its standard error, when not empty.
    std::filesystem::path errors;
    // The copy runs as an unprivileged user (UnprivilegedUser), as a user starts the installed
    // program.
    bool unprivileged = false;
};

// Starts program with the arguments in folder; the copy dies with the test. Its process id.
pid_t Start(const std::string& program, const std::vector<std::string>& arguments,
            const std::filesystem::path& folder, const StartOptions& options = {});

// Seconds of the monotonic clock.
double SecondsNow();

// Whether done() held within the bound, checked every 50 ms.
bool WaitUntil(const std::function<bool()>& done, int seconds = kPatienceSeconds);

// The exit code of the process, or -1 when it ended by a signal or did not end in time (it is
// then killed).
int WaitForExit(pid_t pid, int seconds = kPatienceSeconds);

// The lines of a text file ("\n" ends each); none when it is not there.
std::vector<std::string> Lines(const std::filesystem::path& path);

} // namespace ProgramProcess
