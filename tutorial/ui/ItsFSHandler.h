#pragma once

#include <wx/filesys.h>

// Opens the "its:<help file>::<page>" addresses of compiled help files for wx's HTML view:
// pages, images and style sheets are read out of the help file. Relative links of a page
// resolve to the same help file.
class CItsFSHandler : public wxFileSystemHandler
{
  public:
    // Adds the handler to wx's file system once.
    static void Register();

    bool CanOpen(const wxString& location) override;
    wxFSFile* OpenFile(wxFileSystem& fs, const wxString& location) override;
};
