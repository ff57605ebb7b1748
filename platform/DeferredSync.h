#pragma once

#include <filesystem>
#include <mutex>
#include <set>
#include <string>

// A run that writes many files waits for the disk once, at its end, instead of once for each file:
// while one is open, replacing writes (FileSystem::CommitReplace) still put only complete files
// in place, so a killed run leaves no half-written file, but they do not wait for the disk; the
// run's end flushes every file system written to and the folders that name the new files.
class CDeferredSync
{
  public:
    CDeferredSync();
    // Finishes the run if Finish was not called.
    ~CDeferredSync();
    CDeferredSync(const CDeferredSync&) = delete;
    CDeferredSync& operator=(const CDeferredSync&) = delete;

    // Waits for the disk; false with errno set when a file system or folder could not be
    // flushed. Later calls do nothing and answer true.
    bool Finish();
    // The folder of the first one that failed, for the message.
    const std::filesystem::path& FailedFolder() const { return m_failed; }

    // For CommitReplace: true while a run is open, noting the folder of the new file.
    static bool Defer(const std::filesystem::path& folder);

  private:
    bool m_open = true;
    std::filesystem::path m_failed;
    static std::mutex s_mutex;
    static int s_runs;
    static std::set<std::string> s_folders;
};
