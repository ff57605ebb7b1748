#include "HelpCompiler.h"

#include "foundation/tests/support/ScratchFolder.h"
#include "platform/FileSystem.h"

#include <cstdio>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

CString CompileHelpFile(const ScratchFolder& folder, const char* name)
{
    const std::string project = std::string(name) + ".hhp";
    const pid_t pid = fork();
    if (pid == 0) {
        if (chdir(FileSystem::ToNative(folder.Path()).c_str()) != 0 || !freopen("/dev/null", "w", stdout) ||
            !freopen("/dev/null", "w", stderr)) {
            _exit(126);
        }
        execlp("chmcmd", "chmcmd", "--no-html-scan", project.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    return folder / (std::string(name) + ".chm").c_str();
}
