#include "tutorial/TutorialLauncher.h"

#include "tutorial/TutorialChannel.h"

#include "foundation/PathName.h"
#include "foundation/ShellError.h"
#include "platform/FileSystem.h"
#include "platform/SingleInstance.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

// Its own name beside the main program in bin/, where a bare "tutorial" would say nothing.
constexpr char kViewerName[] = "zantoby-tutorial";

// A running viewer takes a request at once; this only bounds a viewer that hangs.
constexpr int kAnswerTimeoutMs = 5000;

bool IsProgram(const CString& path)
{
    return FileSystem::Exists(path) && !FileSystem::IsDirectory(path) &&
           access(FileSystem::ToNative(path).c_str(), X_OK) == 0;
}

const char* ReasonOf(int error)
{
    switch (error) {
    case ENOENT:
        return CShellError::Text(CShellError::fileNotFound);
    case ENOTDIR:
        return CShellError::Text(CShellError::pathNotFound);
    case EACCES:
    case EPERM:
        return CShellError::Text(CShellError::accessDenied);
    case ENOEXEC:
        return CShellError::Text(CShellError::badFormat);
    case ENOMEM:
        return CShellError::Text(CShellError::outOfMemory);
    default:
        return CShellError::Text(CShellError::outOfResources);
    }
}

// Runs the program detached from this process (a grandchild that init adopts, so it never
// lingers as a zombie here). 0 when the program was started, else the errno of the failure.
int SpawnDetached(const std::string& program, const std::vector<std::string>& arguments)
{
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(program.c_str()));
    for (const std::string& argument : arguments) {
        argv.push_back(const_cast<char*>(argument.c_str()));
    }
    argv.push_back(nullptr);

    // The grandchild writes the errno of a failed exec here; a successful exec closes it empty.
    int report[2];
    if (pipe2(report, O_CLOEXEC) != 0) {
        return errno;
    }
    const pid_t child = fork();
    if (child < 0) {
        const int error = errno;
        close(report[0]);
        close(report[1]);
        return error;
    }
    if (child == 0) {
        // Only async-signal-safe calls from here on: the parent may run other threads.
        const pid_t grandchild = fork();
        if (grandchild == 0) {
            setsid();
            // Descriptors the program opened without close-on-exec stay with it.
            close_range(3, ~0U, CLOSE_RANGE_CLOEXEC);
            execv(argv[0], argv.data());
            const int error = errno;
            [[maybe_unused]] const ssize_t written = write(report[1], &error, sizeof error);
            _exit(127);
        }
        if (grandchild < 0) {
            const int error = errno;
            [[maybe_unused]] const ssize_t written = write(report[1], &error, sizeof error);
        }
        _exit(0);
    }
    close(report[1]);
    int status = 0;
    while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    int error = 0;
    ssize_t got;
    while ((got = read(report[0], &error, sizeof error)) < 0 && errno == EINTR) {
    }
    close(report[0]);
    return got == static_cast<ssize_t>(sizeof error) ? error : 0;
}

} // namespace

CTutorialLauncher::CTutorialLauncher(const CString& programPath) : m_viewer(FindViewer(programPath)) {}

CString CTutorialLauncher::FindViewer(const CString& programPath)
{
    const CString folder = GetFolderOfPath(programPath);
    const CString beside = folder + "/" + kViewerName;
    if (IsProgram(beside)) {
        return beside;
    }
    const CString inBuildTree = FileSystem::GetFullPath(folder + "/../tutorial/" + kViewerName);
    return IsProgram(inBuildTree) ? inBuildTree : CString();
}

CString CTutorialLauncher::Show(int topic)
{
    if (Send(CTutorialChannel::FormatShow(topic))) {
        return CString();
    }
    return Start(topic);
}

bool CTutorialLauncher::Close()
{
    return Send(CTutorialChannel::FormatClose());
}

bool CTutorialLauncher::Send(const std::string& request) const
{
    SingleInstance channel(CTutorialChannel::kName);
    return channel.StartAsSender() == SingleInstance::Role::Second && channel.Send(request, kAnswerTimeoutMs);
}

CString CTutorialLauncher::Start(int topic) const
{
    if (m_viewer.IsEmpty()) {
        return ReasonOf(ENOENT);
    }
    std::vector<std::string> arguments;
    if (topic != 0) {
        arguments.push_back(std::to_string(topic));
    }
    const int error = SpawnDetached(FileSystem::ToNative(m_viewer).string(), arguments);
    return error == 0 ? CString() : CString(ReasonOf(error));
}
