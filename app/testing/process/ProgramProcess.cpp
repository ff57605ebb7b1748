#include "app/testing/process/ProgramProcess.h"

#include "platform/ui/testing/UnprivilegedUser.h"

#include <csignal>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace ProgramProcess {

double SecondsNow()
{
    timespec now = {};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<double>(now.tv_sec) + now.tv_nsec / 1e9;
}

pid_t Start(const std::string& program, const std::vector<std::string>& arguments,
            const std::filesystem::path& folder, const StartOptions& options)
{
    std::vector<char*> argv = {const_cast<char*>(program.c_str())};
    for (const std::string& argument : arguments) {
        argv.push_back(const_cast<char*>(argument.c_str()));
    }
    argv.push_back(nullptr);
    const pid_t parent = getpid();
    const pid_t pid = fork();
    if (pid == 0) {
        // A test that dies takes its copies with it, rather than leaving them on the display.
        prctl(PR_SET_PDEATHSIG, SIGKILL);
        if (getppid() != parent) {
            _exit(126);
        }
        if (!options.errors.empty() && std::freopen(options.errors.c_str(), "w", stderr) == nullptr) {
            _exit(126);
        }
        if ((options.unprivileged && !UnprivilegedUser::Become()) || chdir(folder.c_str()) != 0) {
            _exit(126);
        }
        execv(program.c_str(), argv.data());
        _exit(127);
    }
    return pid;
}

bool WaitUntil(const std::function<bool()>& done, int seconds)
{
    const double end = SecondsNow() + seconds;
    while (!done()) {
        if (SecondsNow() > end) {
            return false;
        }
        usleep(50 * 1000);
    }
    return true;
}

int WaitForExit(pid_t pid, int seconds)
{
    int status = 0;
    const bool ended = WaitUntil([&] { return waitpid(pid, &status, WNOHANG) == pid; }, seconds);
    if (!ended) {
        kill(pid, SIGKILL);
        waitpid(pid, &status, 0);
        return -1;
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::vector<std::string> Lines(const std::filesystem::path& path)
{
    std::vector<std::string> lines;
    std::ifstream file(path);
    for (std::string line; std::getline(file, line);) {
        lines.push_back(line);
    }
    return lines;
}

} // namespace ProgramProcess
