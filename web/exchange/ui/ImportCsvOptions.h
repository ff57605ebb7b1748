#pragma once

#include "foundation/ui/ButtonEdit.h"
#include "foundation/ui/RadioGroup.h"
#include "foundation/ui/SpinEdit.h"
#include "platform/CString.h"
#include "web/exchange/ImportCsvSettings.h"

#include <wx/panel.h>
#include <wx/timer.h>

#include <functional>

class wxFileDialog;
class wxTextCtrl;

// The option pane of the CSV import's file dialog: add or replace, the delimiter, the photo
// fields and their folder, the lines to skip, and a preview of the start of the selected file,
// read once the selection has stayed the same for half a second.
class CImportCsvOptions : public wxPanel
{
  public:
    CImportCsvOptions(wxFileDialog* dialog, ImportCsvSettings& settings, std::function<void()> help);

    // Stores the choices into the settings.
    bool TransferDataFromWindow() override;

    // One tick of the preview timer: a new selection restarts the countdown, the end of the
    // countdown reads the preview.
    void OnPreviewTick();
    CString GetPreviewText() const;

  private:
    static constexpr int kPreviewTicks = 5;

    void ShowPreview(const CString& path);

    wxFileDialog* m_dialog;
    ImportCsvSettings& m_settings;
    CRadioGroup m_mode;
    CRadioGroup m_delimiter;
    CRadioGroup m_pathMode;
    CSpinEdit m_passRows;
    CButtonEdit m_photoFolder;
    wxTextCtrl* m_preview = nullptr;
    wxTimer m_timer;
    int m_countdown = -1; // ticks until the preview is read; -1 idle
    CString m_selection;
};
