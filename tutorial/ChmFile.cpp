#include "tutorial/ChmFile.h"

#include "tutorial/ChmReader.h"

#include "platform/FileSystem.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <functional>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// A child reading a sound help file needs a fraction of these.
constexpr unsigned kChildSeconds = 10;
constexpr unsigned long long kChildMemory = 1ULL << 30;

// What the process maps already: the child may map kChildMemory more (a sanitizer build maps
// terabytes of shadow memory from its start).
unsigned long long MappedBytes()
{
    unsigned long long pages = 0;
    if (FILE* statm = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(statm, "%llu", &pages) != 1) {
            pages = 0;
        }
        std::fclose(statm);
    }
    return pages * static_cast<unsigned long long>(sysconf(_SC_PAGESIZE));
}

bool WriteAll(int fd, const std::string& bytes)
{
    for (size_t done = 0; done < bytes.size();) {
        const ssize_t written = write(fd, bytes.data() + done, bytes.size() - done);
        if (written < 0 && errno != EINTR) {
            return false;
        }
        done += written > 0 ? static_cast<size_t>(written) : 0;
    }
    return true;
}

using ChmWork = std::function<bool(const CChmReader& reader, std::string& out)>;

// Opens the help file in a child process and runs work on it there; true, with what work put
// out, when the child ended well within its limits.
bool RunInChild(const std::string& nativePath, const ChmWork& work, std::string& out)
{
    out.clear();
    int channel[2];
    if (pipe2(channel, O_CLOEXEC) != 0) {
        return false;
    }
    const unsigned long long memory = MappedBytes() + kChildMemory;
    const pid_t child = fork();
    if (child < 0) {
        close(channel[0]);
        close(channel[1]);
        return false;
    }
    if (child == 0) {
        close(channel[0]);
        const rlimit addressSpace{memory, memory};
        const rlimit noCore{0, 0};
        setrlimit(RLIMIT_AS, &addressSpace);
        setrlimit(RLIMIT_CORE, &noCore);
        std::signal(SIGALRM, SIG_DFL);
        alarm(kChildSeconds);
        CChmReader reader;
        std::string bytes;
        const bool done = reader.Open(nativePath) && work(reader, bytes) && WriteAll(channel[1], bytes);
        _exit(done ? 0 : 1);
    }
    close(channel[1]);
    char buffer[65536];
    for (;;) {
        const ssize_t got = read(channel[0], buffer, sizeof buffer);
        if (got > 0) {
            out.append(buffer, static_cast<size_t>(got));
        } else if (got == 0 || errno != EINTR) {
            break;
        }
    }
    close(channel[0]);
    int status = 0;
    while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        out.clear();
        return false;
    }
    return true;
}

} // namespace

bool CChmFile::Open(const CString& path)
{
    Close();
    m_nativePath = FileSystem::ToNative(path);
    std::string nothing;
    m_open = RunInChild(
        m_nativePath, [](const CChmReader&, std::string&) { return true; }, nothing);
    return m_open;
}

void CChmFile::Close()
{
    m_nativePath.clear();
    m_open = false;
}

bool CChmFile::HasObject(const CString& objectPath) const
{
    std::string nothing;
    return m_open && RunInChild(
                         m_nativePath,
                         [&objectPath](const CChmReader& reader, std::string&) { return reader.HasObject(objectPath); },
                         nothing);
}

bool CChmFile::ReadObject(const CString& objectPath, std::string& bytes, std::uint64_t maxSize) const
{
    return m_open && RunInChild(
                         m_nativePath,
                         [&objectPath, maxSize](const CChmReader& reader, std::string& out) {
                             return reader.ReadObject(objectPath, out, maxSize);
                         },
                         bytes);
}
