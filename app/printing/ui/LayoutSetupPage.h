#pragma once

#include "app/printing/ui/PageSetupPage.h"
#include "foundation/ui/SpinEdit.h"

class CPrinterList;
class wxChoice;
class wxCheckBox;
class wxRadioButton;
class wxStaticText;

// The layout tab of the page setup: printer, paper and orientation, and the fonts, photo sizes
// and scale of list pages and single sheets.
class CLayoutSetupPage : public CPageSetupPage
{
  public:
    explicit CLayoutSetupPage(wxWindow* parent);

    void Load(CPageSetupModel& model) override;
    void Save(CPageSetupModel& model) override;

  private:
    // Fills the paper list with the chosen printer's papers, keeping the paper number given.
    void FillPapers(int paper);
    void OnPrinterChanged(wxCommandEvent& event);
    void OnFontChanged(wxCommandEvent& event);
    void ShowSample(wxStaticText* sample, const wxChoice* font);

    CPrinterList* m_printers = nullptr;
    wxChoice* m_printer;
    wxChoice* m_paper;
    wxRadioButton* m_portrait;
    wxRadioButton* m_landscape;
    CSpinEdit m_scale;
    wxCheckBox* m_fitToWidth;
    wxChoice* m_listFont;
    CSpinEdit m_listFontSize;
    CSpinEdit m_listPhotoSize;
    CSpinEdit m_photosPerLine;
    wxStaticText* m_listSample;
    wxChoice* m_sheetFont;
    CSpinEdit m_sheetFontSize;
    CSpinEdit m_sheetPhotoSize;
    wxCheckBox* m_highQuality;
    wxChoice* m_captionFont;
    CSpinEdit m_captionFontSize;
    wxStaticText* m_sheetSample;
    wxStaticText* m_captionSample;
    int m_paperKept = 9; // the paper while the printer offers none
};
