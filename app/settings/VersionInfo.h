#pragma once

#include "platform/CString.h"

// The product name: every message box caption and the name of the single running instance.
inline constexpr char kProductName[] = "Zantoby";

// The program's version a.b.c.d, with the two forms in which it is shown and stored.
class CVersionInfo
{
  public:
    constexpr CVersionInfo(int major, int minor, int patch, int tweak)
        : m_major(major), m_minor(minor), m_patch(patch), m_tweak(tweak)
    {
    }

    // The version this program was built as.
    static CVersionInfo Compiled();

    // "2.108.0" for 2.1.8.0: the minor and patch numbers run together, the patch in two places.
    CString GetVersionString() const;

    // 210800 for 2.1.8.0; list files are stamped with it.
    constexpr int GetVersionNumber() const
    {
        return m_major * 100000 + m_minor * 10000 + m_patch * 100 + m_tweak;
    }

  private:
    int m_major;
    int m_minor;
    int m_patch;
    int m_tweak;
};
