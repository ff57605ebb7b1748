#include "HelpCompiler.h"

#include "tutorial/ChmDirectory.h"

#include "foundation/tests/support/ScratchFolder.h"
#include "platform/FileSystem.h"

#include <cstdint>
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

bool WriteWithDamagedBody(const CString& helpFile, const CString& path)
{
    CChmDirectory directory;
    CChmDirectory::Entry content;
    if (!directory.Open(FileSystem::ToNative(helpFile)) ||
        directory.Find("::DataSpace/Storage/MSCompressed/Content", content) != CChmDirectory::Found::Yes) {
        return false;
    }
    directory.Close();
    std::string bytes = ScratchFolder::ReadBytes(helpFile);
    // The header names where the uncompressed section, which holds the compressed stream, begins.
    constexpr size_t kContentOffsetAt = 88;
    std::uint64_t section = 0;
    for (int i = 7; i >= 0; --i) {
        section = section << 8 | static_cast<unsigned char>(bytes[kContentOffsetAt + i]);
    }
    const std::uint64_t start = section + content.start;
    if (content.length == 0 || start + content.length > bytes.size()) {
        return false;
    }
    bytes.replace(start, content.length, content.length, '\x55');
    ScratchFolder::WriteBytes(path, bytes);
    return true;
}
