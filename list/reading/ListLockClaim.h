#pragma once

#include "platform/CString.h"

class CZantobyDoc;

// Claims a list being opened through its lock file (the list path with "$"). A list that cannot
// be claimed opens read-only: a read-only file, a folder this user may not write, or, when the
// user agrees, a list another program holds.
class CListLockClaim
{
  public:
    explicit CListLockClaim(CZantobyDoc& doc) : m_doc(doc) {}

    // False when the user chose not to open a list another program holds.
    bool Take(const CString& path);

  private:
    CZantobyDoc& m_doc;
};
