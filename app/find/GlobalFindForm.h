#pragma once

#include "platform/CString.h"

struct GlobalFindSettings;

// What the global extract dialog shows and gathers: whether to open the lists of a folder too,
// the folder, the keyword text with its history, AND/OR and the two switches.
class CGlobalFindForm
{
  public:
    explicit CGlobalFindForm(GlobalFindSettings& settings);

    const GlobalFindSettings& GetSettings() const { return m_settings; }

    // The warning that keeps the dialog open (30600 no folder, 30601 no keyword), or 0.
    int Check() const;
    // Stores the form into the settings.
    void Store();

    bool openFolderLists = false;
    CString folder;
    CString keywordText;
    int combine = 0;
    bool wholeText = false;
    bool caseSensitive = false;

  private:
    GlobalFindSettings& m_settings;
};
