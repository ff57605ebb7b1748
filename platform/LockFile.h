#pragma once

#include "platform/CString.h"

// Holds an exclusive advisory lock (flock) on a lock file for as long as the owner keeps a file
// open, so that a second program does not edit the same file. The lock file is made when
// missing and removed again by the owner that held its lock.
class LockFile
{
  public:
    LockFile() = default;
    ~LockFile() { Release(); }
    LockFile(const LockFile&) = delete;
    LockFile& operator=(const LockFile&) = delete;

    // Creates the file when missing and takes its lock without waiting; a lock held before is
    // released first. False when another process holds the lock, or when the file cannot be made
    // or its folder cannot be written.
    bool Acquire(const CString& path);
    // Removes the lock file and lets its lock go; nothing when no lock is held.
    void Release();

    bool IsHeld() const { return m_fd >= 0; }
    // Why the last Acquire failed: 0 when another process holds the lock, else the system's
    // error number (errno) for the lock file that could not be made or opened.
    int GetFailure() const { return m_failure; }
    // The lock file's path while the lock is held.
    const CString& GetPath() const { return m_path; }

  private:
    int m_fd = -1;
    int m_failure = 0;
    CString m_path;
};
