#pragma once

#include "platform/CString.h"

#include <string>

// A fresh folder for one test inside the process's private temporary folder, with the home and
// the XDG settings, state and data folders pointed into it, so that no test writes anywhere else.
class ScratchFolder
{
  public:
    ScratchFolder();
    const CString& Path() const { return m_path; }
    CString operator/(const char* name) const { return m_path + "/" + name; }

    static void WriteBytes(const CString& path, const std::string& bytes);
    static std::string ReadBytes(const CString& path);

  private:
    CString m_path;
};
