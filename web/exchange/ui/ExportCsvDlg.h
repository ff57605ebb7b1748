#pragma once

#include "web/exchange/ExportCsvSettings.h"
#include "web/exchange/ui/CsvFileDlg.h"

class ICsvProfile;

// The CSV export: the desktop's save-file dialog with the export's option pane; on OK it writes
// the list's rows to the chosen file and opens the file or says that it is done.
class CExportCsvDlg : public CCsvFileDlg
{
  public:
    explicit CExportCsvDlg(wxWindow* parent);

    // The list's export command: runs the dialog on the list with the settings of the profile.
    static int Run(wxWindow* parent, CZantobyDoc& doc, ICsvProfile& profile);

    // Loads the settings, shows the dialog from the last folder, writes the file on OK (the
    // default extension added to a name without one) and saves the settings with the folder
    // chosen, also when writing failed. IDOK or IDCANCEL.
    int RunExport(CZantobyDoc& doc, ICsvProfile& profile);

  private:
    static wxWindow* CreateOptions(wxWindow* dialog);
    // After OK: writes the file, then opens it or says that it is done. False when it was not
    // written (the error report has said why).
    bool WriteCsv(const CString& path);

    ExportCsvSettings m_settings;
};
