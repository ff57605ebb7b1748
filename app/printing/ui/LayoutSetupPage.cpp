#include "app/printing/ui/LayoutSetupPage.h"

#include "app/printing/PageSetupModel.h"
#include "foundation/PaperList.h"
#include "foundation/TypedEditFormats.h"
#include "platform/canvas/FontMapper.h"
#include "platform/ui/WxText.h"

#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/radiobut.h>
#include <wx/statbox.h>
#include <wx/stattext.h>

namespace {

enum : int
{
    idPrinter = 1135,
    idPaper = 1137,
    idPortrait = 1116,
    idLandscape = 1117,
    idScale = 1125,
    idFitToWidth = 1127,
    idListFont = 1128,
    idListFontSize = 1132,
    idListPhotoSize = 1129,
    idPhotosPerLine = 1134,
    idListSample = 1146,
    idSheetFont = 1131,
    idSheetFontSize = 1071,
    idSheetPhotoSize = 1130,
    idHighQuality = 1348,
    idCaptionFont = 1139,
    idCaptionFontSize = 1072,
    idSheetSample = 1147,
    idCaptionSample = 1148,
};

const IntegerFormat kScale{NF_SHOW_ZERO | NF_MAXIMUM | NF_MINIMUM, 100, 10};
const IntegerFormat kPhotosPerLine{NF_SHOW_ZERO | NF_MAXIMUM | NF_MINIMUM, 20, 1};
const RealFormat kFontSize{NF_MAXIMUM | NF_MINIMUM, 1, 12.0, 6.0};
const RealFormat kListPhotoSize{NF_MAXIMUM | NF_MINIMUM, 1, 50.0, 8.0};
const RealFormat kSheetPhotoSize{NF_MAXIMUM | NF_MINIMUM, 1, 100.0, 20.0};

constexpr const char* kSampleText = "あア123AB";

} // namespace

CLayoutSetupPage::CLayoutSetupPage(wxWindow* parent) : CPageSetupPage(parent, 235)
{
    AddLabel("ﾌﾟﾘﾝﾀ", 10, 10);
    m_printer = new wxChoice(this, idPrinter, wxPoint(80, 10), wxSize(260, 26));
    AddLabel("用紙", 10, 44);
    m_paper = new wxChoice(this, idPaper, wxPoint(80, 44), wxSize(260, 26));
    m_portrait = new wxRadioButton(this, idPortrait, ToWx("縦"), wxPoint(370, 14), wxDefaultSize, wxRB_GROUP);
    m_landscape = new wxRadioButton(this, idLandscape, ToWx("横"), wxPoint(430, 14));

    new wxStaticBox(this, wxID_ANY, ToWx("一覧印刷"), wxPoint(5, 80), wxSize(262, 270));
    AddLabel("倍率(%)", 15, 104);
    AddIntegerSpin(m_scale, idScale, 110, 104, &kScale);
    m_fitToWidth = new wxCheckBox(this, idFitToWidth, ToWx("幅で自動調整"), wxPoint(15, 136));
    AddLabel("文字", 15, 164);
    m_listFont = AddFontChoice(idListFont, 55, 164);
    AddLabel("ｻｲｽﾞ(pt)", 15, 196);
    AddRealSpin(m_listFontSize, idListFontSize, 110, 196, &kFontSize, 0.5);
    m_listSample = new wxStaticText(this, idListSample, ToWx(kSampleText), wxPoint(186, 200));
    AddLabel("写真(mm)", 15, 228);
    AddRealSpin(m_listPhotoSize, idListPhotoSize, 110, 228, &kListPhotoSize, 1.0);
    AddLabel("横の枚数", 15, 260);
    AddIntegerSpin(m_photosPerLine, idPhotosPerLine, 110, 260, &kPhotosPerLine);

    new wxStaticBox(this, wxID_ANY, ToWx("単票印刷"), wxPoint(272, 80), wxSize(268, 270));
    AddLabel("文字", 280, 104);
    m_sheetFont = AddFontChoice(idSheetFont, 320, 104);
    AddLabel("ｻｲｽﾞ(pt)", 280, 136);
    AddRealSpin(m_sheetFontSize, idSheetFontSize, 375, 136, &kFontSize, 0.5);
    m_sheetSample = new wxStaticText(this, idSheetSample, ToWx(kSampleText), wxPoint(451, 140));
    AddLabel("写真(mm)", 280, 168);
    AddRealSpin(m_sheetPhotoSize, idSheetPhotoSize, 375, 168, &kSheetPhotoSize, 1.0);
    m_highQuality = new wxCheckBox(this, idHighQuality, ToWx("高品質"), wxPoint(280, 200));
    AddLabel("写真名", 280, 232);
    m_captionFont = AddFontChoice(idCaptionFont, 320, 232);
    AddLabel("ｻｲｽﾞ(pt)", 280, 264);
    AddRealSpin(m_captionFontSize, idCaptionFontSize, 375, 264, &kFontSize, 0.5);
    m_captionSample = new wxStaticText(this, idCaptionSample, ToWx(kSampleText), wxPoint(451, 268));

    Bind(wxEVT_CHOICE, &CLayoutSetupPage::OnPrinterChanged, this, idPrinter);
    Bind(wxEVT_CHOICE, &CLayoutSetupPage::OnFontChanged, this, idListFont);
    Bind(wxEVT_CHOICE, &CLayoutSetupPage::OnFontChanged, this, idSheetFont);
    Bind(wxEVT_CHOICE, &CLayoutSetupPage::OnFontChanged, this, idCaptionFont);
}

void CLayoutSetupPage::Load(CPageSetupModel& model)
{
    const PrintSettings& settings = model.Settings();
    m_printers = &model.Printers();
    for (int i = 0; i < m_printers->GetSize(); ++i) {
        m_printer->Append(ToWx(m_printers->GetItem(i)->printerName));
    }
    m_printer->SetSelection(model.ChosenPrinter());
    m_paperKept = settings.paper;
    FillPapers(settings.paper);
    (settings.orientation == 2 ? m_landscape : m_portrait)->SetValue(true);

    m_scale.GetEdit().SetInteger(settings.listScale);
    m_fitToWidth->SetValue(settings.fitToWidth);
    LoadFontChoice(m_listFont, settings.listFont);
    m_listFontSize.GetEdit().SetReal(CPageSetupModel::ToShown(settings.listFontSize));
    m_listPhotoSize.GetEdit().SetReal(CPageSetupModel::ToShown(settings.listPhotoSize));
    m_photosPerLine.GetEdit().SetInteger(settings.photosPerLine);
    LoadFontChoice(m_sheetFont, settings.sheetFont);
    m_sheetFontSize.GetEdit().SetReal(CPageSetupModel::ToShown(settings.sheetFontSize));
    m_sheetPhotoSize.GetEdit().SetReal(CPageSetupModel::ToShown(settings.sheetPhotoSize));
    m_highQuality->SetValue(settings.highQuality);
    LoadFontChoice(m_captionFont, settings.captionFont);
    m_captionFontSize.GetEdit().SetReal(CPageSetupModel::ToShown(settings.captionFontSize));
    ShowSample(m_listSample, m_listFont);
    ShowSample(m_sheetSample, m_sheetFont);
    ShowSample(m_captionSample, m_captionFont);
}

void CLayoutSetupPage::Save(CPageSetupModel& model)
{
    PrintSettings& settings = model.Settings();
    // Without printers the settings keep theirs.
    if (m_printer->GetSelection() != wxNOT_FOUND) {
        settings.device = SelectedText(m_printer);
    }
    const int paper = m_paper->GetSelection();
    settings.paper = CPageSetupModel::PaperToKeep(
        paper != wxNOT_FOUND ? static_cast<int>(reinterpret_cast<intptr_t>(m_paper->GetClientData(paper)))
                             : m_paperKept);
    settings.orientation = m_landscape->GetValue() ? 2 : 1;
    settings.listScale = m_scale.GetEdit().GetInteger();
    settings.fitToWidth = m_fitToWidth->GetValue();
    settings.listFont = SelectedText(m_listFont);
    settings.listFontSize = CPageSetupModel::FromShown(m_listFontSize.GetEdit().GetReal());
    settings.listPhotoSize = CPageSetupModel::FromShown(m_listPhotoSize.GetEdit().GetReal());
    settings.photosPerLine = m_photosPerLine.GetEdit().GetInteger();
    settings.sheetFont = SelectedText(m_sheetFont);
    settings.sheetFontSize = CPageSetupModel::FromShown(m_sheetFontSize.GetEdit().GetReal());
    settings.sheetPhotoSize = CPageSetupModel::FromShown(m_sheetPhotoSize.GetEdit().GetReal());
    settings.highQuality = m_highQuality->GetValue();
    settings.captionFont = SelectedText(m_captionFont);
    settings.captionFontSize = CPageSetupModel::FromShown(m_captionFontSize.GetEdit().GetReal());
}

void CLayoutSetupPage::FillPapers(int paper)
{
    m_paper->Clear();
    const int printer = m_printer->GetSelection();
    if (m_printers == nullptr || printer == wxNOT_FOUND) {
        return;
    }
    CPaperList& papers = m_printers->GetItem(printer)->GetPapers();
    for (int i = 0; i < papers.GetSize(); ++i) {
        const CPaperItem* item = papers.GetItem(i);
        m_paper->Append(ToWx(item->name), reinterpret_cast<void*>(static_cast<intptr_t>(item->paperId)));
    }
    const int chosen = CPageSetupModel::ChoosePaper(papers, paper);
    if (chosen >= 0) {
        m_paper->SetSelection(chosen);
    }
}

void CLayoutSetupPage::OnPrinterChanged(wxCommandEvent&)
{
    const int paper = m_paper->GetSelection();
    if (paper != wxNOT_FOUND) {
        m_paperKept = static_cast<int>(reinterpret_cast<intptr_t>(m_paper->GetClientData(paper)));
    }
    FillPapers(m_paperKept);
}

void CLayoutSetupPage::OnFontChanged(wxCommandEvent& event)
{
    switch (event.GetId()) {
    case idListFont:
        ShowSample(m_listSample, m_listFont);
        break;
    case idSheetFont:
        ShowSample(m_sheetSample, m_sheetFont);
        break;
    default:
        ShowSample(m_captionSample, m_captionFont);
        break;
    }
}

void CLayoutSetupPage::ShowSample(wxStaticText* sample, const wxChoice* font)
{
    const std::string family = FontMapper::FamilyFor(SelectedText(font));
    sample->SetFont(wxFont(wxFontInfo(wxSize(0, 16)).FaceName(wxString::FromUTF8(family.c_str()))));
    sample->SetSize(sample->GetBestSize());
}
