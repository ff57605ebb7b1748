#pragma once

#include "foundation/ui/HostedField.h"

// A path field with a "..." button that chooses a folder or a file to open or save; a folder
// path ends with a separator exactly when the field asks for one.
class CButtonEdit : public CHostedField
{
  public:
    enum Mode
    {
        modeFolder = 0,
        modeOpen = 1,
        modeSave = 2,
    };

    void SetFolderMode(bool trailingSeparator);
    // A file mode with the default extension, wx file dialog style (wxFD_...) and filter
    // ("text|pattern|..."; a closing "||" is allowed).
    void SetFileMode(int mode, const CString& defaultExtension, long flags, const CString& filter);

    void SetPath(const CString& path);
    // The path by the separator rule; a text that breaks the rule is corrected in the field.
    CString GetPath();

    // Shows the chooser of the mode as the button does; true when a path was chosen.
    bool Browse();

  protected:
    int SideWidth() const override { return 24; }
    wxWindow* CreateSide(const wxRect& rect) override;
    void OnAttached() override;
    void OnEditKillFocus() override;
    // Shows the folder or file chooser, starting at start; false when cancelled.
    virtual bool ChoosePath(const CString& start, CString& chosen);

  private:
    int m_mode = modeFolder;
    bool m_trailingSeparator = false;
    CString m_defaultExtension;
    long m_flags = 0;
    CString m_filter;
};
