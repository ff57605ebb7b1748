#include "platform/ui/testing/UnprivilegedRun.h"

#include "platform/ui/testing/UnprivilegedUser.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>

#include <sys/stat.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

// A folder the account owns, for it alone.
bool MakeOwnFolder(const fs::path& folder)
{
    std::error_code error;
    fs::create_directories(folder, error);
    return !error && UnprivilegedUser::Give(folder) && chmod(folder.c_str(), 0700) == 0;
}

[[noreturn]] void Fail(const char* why)
{
    std::fprintf(stderr, "UnprivilegedRun: %s\n", why);
    std::_Exit(1);
}

} // namespace

bool UnprivilegedRun::Ensure()
{
    if (geteuid() != 0) {
        return true;
    }
    std::string pattern = (fs::temp_directory_path() / "zantoby-user.XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        Fail("no folder");
    }
    const fs::path home = pattern;
    const fs::path runtime = home / "runtime";
    if (!MakeOwnFolder(home) || !MakeOwnFolder(runtime)) {
        Fail("the account cannot own its folders");
    }
    // The display's authority file is root's alone.
    std::error_code error;
    const fs::path authority = home / ".Xauthority";
    if (const char* file = std::getenv("XAUTHORITY"); file != nullptr && fs::exists(file, error)) {
        fs::copy_file(file, authority, error);
        if (error || !UnprivilegedUser::Give(authority)) {
            Fail("the display's authority cannot be handed on");
        }
    }
    // What the tests keep goes into a folder of the account's inside the output folder.
    fs::path output;
    if (const char* folder = std::getenv("ZANTOBY_TEST_OUTPUT"); folder != nullptr) {
        output = fs::path(folder) / "unprivileged";
        fs::create_directories(fs::path(folder), error);
        if (!fs::exists(output, error) && !MakeOwnFolder(output)) {
            Fail("no output folder");
        }
    }

    std::fflush(nullptr);
    const pid_t parent = getpid();
    const pid_t child = fork();
    if (child < 0) {
        Fail("no process");
    }
    if (child == 0) {
        if (!UnprivilegedUser::Become()) {
            Fail("root cannot be dropped");
        }
        // Changing the user clears the signal that ends the child with the parent.
        prctl(PR_SET_PDEATHSIG, SIGKILL);
        if (getppid() != parent) {
            std::_Exit(1);
        }
        setenv("HOME", home.c_str(), 1);
        setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
        unsetenv("XDG_CONFIG_HOME");
        unsetenv("XDG_CACHE_HOME");
        unsetenv("XDG_DATA_HOME");
        if (fs::exists(authority, error)) {
            setenv("XAUTHORITY", authority.c_str(), 1);
        }
        if (!output.empty()) {
            setenv("ZANTOBY_TEST_OUTPUT", output.c_str(), 1);
        }
        return true;
    }
    // A test that runs too long is ended by its runner through this process.
    static pid_t running = -1;
    running = child;
    for (const int signal : {SIGTERM, SIGINT, SIGHUP}) {
        std::signal(signal, +[](int received) { kill(running, received); });
    }
    int status = 0;
    while (waitpid(child, &status, 0) < 0) {
    }
    fs::remove_all(home, error);
    std::_Exit(WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status));
}
