#pragma once

#include "app/printing/ui/PageSetupPage.h"
#include "foundation/ui/SpinEdit.h"

class CBandPreview;
class wxCheckBox;
class wxChoice;
class wxRadioButton;
class wxTextCtrl;
struct HeaderFooterSettings;

// A header and footer tab of the page setup, for list pages or for single sheets: whether each
// band prints, its text with a sample as page 123 of 999, its alignment and font.
class CBandSetupPage : public CPageSetupPage
{
  public:
    // sheets: the single sheets' bands, else those of list pages.
    CBandSetupPage(wxWindow* parent, bool sheets);

    void Load(CPageSetupModel& model) override;
    void Save(CPageSetupModel& model) override;

    // The sample texts as the previews show them.
    CString HeaderSample() const { return m_samples[0]; }
    CString FooterSample() const { return m_samples[1]; }

  private:
    // The controls of one band.
    struct Band
    {
        wxCheckBox* shown = nullptr;
        wxTextCtrl* text = nullptr;
        wxRadioButton* align[3] = {};
        wxChoice* font = nullptr;
        CSpinEdit size;
        CBandPreview* preview = nullptr;
    };

    void AddBand(Band& band, int y, const int* ids, const char* label);
    HeaderFooterSettings& SettingsOf(CPageSetupModel& model, int band) const;
    void LoadBand(Band& band, const HeaderFooterSettings& settings);
    void SaveBand(Band& band, HeaderFooterSettings& settings);
    int AlignmentOf(const Band& band) const;
    // Expands a band's text anew and repaints its preview.
    void RefreshSample(int band);
    void OnChange(wxCommandEvent& event);

    bool m_sheets;
    CPageSetupModel* m_model = nullptr;
    Band m_bands[2];
    CString m_samples[2];
};
