#pragma once

#include "platform/CString.h"

// Holds an exclusive advisory lock on a folder for its lifetime, so that two programs that read,
// change and rewrite a shared file in that folder do not lose each other's changes. Without the
// folder the lock is simply not taken.
class FolderLock
{
  public:
    explicit FolderLock(const CString& folder);
    ~FolderLock();
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

  private:
    int m_fd = -1;
};
