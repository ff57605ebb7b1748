#pragma once

#include "web/exchange/CsvImporter.h"
#include "web/exchange/ImportCsvSettings.h"
#include "web/exchange/ui/CsvFileDlg.h"

class ICsvProfile;

// The CSV import: the desktop's open-file dialog with the import's option pane and preview; on
// OK it reads the chosen file into the list.
class CImportCsvDlg : public CCsvFileDlg
{
  public:
    explicit CImportCsvDlg(wxWindow* parent);

    // The list's import command: the list views stand still while the dialog runs and are
    // rebuilt afterwards, whatever happened.
    static int Run(wxWindow* parent, CZantobyDoc& doc, ICsvProfile& profile);

    // Loads the settings, shows the dialog from the last folder, imports on OK and saves the
    // settings with the folder of the file. IDOK or IDCANCEL.
    int RunImport(CZantobyDoc& doc, ICsvProfile& profile);

    // After OK: imports the file with a wait cursor, keeping the windows alive. Gives what the
    // import left out, for the user to be told once the list shows the rest.
    static CCsvImporter::LeftOut ImportCsv(CZantobyDoc& doc, const ImportCsvSettings& settings,
                                           const CString& path);

  private:
    static wxWindow* CreateOptions(wxWindow* dialog);

    ImportCsvSettings m_settings;
    CCsvImporter::LeftOut m_leftOut;
};
