#pragma once

#include "app/printing/PageSetupModel.h"
#include "foundation/ui/AnchorDialog.h"

#include <array>

class CPageSetupPage;
class CZantobyDoc;
class wxNotebook;

// The page setup dialog of a list: five tabs over the list's page settings. It closes with IDOK
// once the settings are stored, IDCANCEL leaving them as they were, or a preview command after
// storing them, which the caller then runs.
class CPageSetupDlg : public CAnchorDialog
{
  public:
    static constexpr int kTemplateId = 233;

    CPageSetupDlg(wxWindow* parent, CZantobyDoc& doc);

    bool OnInitDialog() override;
    // IDOK, IDCANCEL, 33065 (list preview) or 33066 (sheet preview).
    int Run();

    CPageSetupModel& Model() { return m_model; }
    wxNotebook* Tabs() const { return m_tabs; }
    CPageSetupPage* Page(int tab) const { return m_pages[tab]; }
    // Stores every tab into the list, as the buttons that close with a stored setup do.
    void Store();

  private:
    void OnStoreAndClose(wxCommandEvent& event);
    void OnCancel(wxCommandEvent& event);
    void OnHelp(wxCommandEvent& event);

    CPageSetupModel m_model;
    wxNotebook* m_tabs;
    std::array<CPageSetupPage*, 5> m_pages{};
};
