#pragma once

#include "foundation/ui/RadioGroup.h"
#include "web/exchange/ExportCsvSettings.h"

#include <wx/panel.h>

#include <functional>

// The option pane of the CSV export's file dialog: which rows, the column names, opening the
// file afterwards, the delimiter and the text quote.
class CExportCsvOptions : public wxPanel
{
  public:
    // Shows the settings; help opens the export's help page.
    CExportCsvOptions(wxWindow* parent, ExportCsvSettings& settings, std::function<void()> help);

    // Stores the choices into the settings.
    bool TransferDataFromWindow() override;

  private:
    ExportCsvSettings& m_settings;
    CRadioGroup m_source;
    CRadioGroup m_delimiter;
    CRadioGroup m_quote;
};
