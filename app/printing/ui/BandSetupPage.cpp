#include "app/printing/ui/BandSetupPage.h"

#include "app/printing/PageSetupModel.h"
#include "app/printing/ui/BandPreview.h"
#include "foundation/TypedEditFormats.h"
#include "list/HeaderFooterSettings.h"
#include "platform/ui/WxText.h"

#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/radiobut.h>
#include <wx/textctrl.h>

namespace {

// Per band: check, text, the three alignments, font, size, preview.
constexpr int kHeaderIds[] = {1133, 1155, 1149, 1150, 1151, 1119, 1142, 1144};
constexpr int kFooterIds[] = {1138, 1156, 1152, 1153, 1154, 1122, 1143, 1145};
constexpr const char* kAlignments[] = {"左", "中央", "右"};

const RealFormat kFontSize{NF_MAXIMUM | NF_MINIMUM, 1, 12.0, 6.0};

} // namespace

CBandSetupPage::CBandSetupPage(wxWindow* parent, bool sheets) : CPageSetupPage(parent, 237), m_sheets(sheets)
{
    AddBand(m_bands[0], 10, kHeaderIds, "ヘッダを印刷する");
    AddBand(m_bands[1], 180, kFooterIds, "フッタを印刷する");
}

void CBandSetupPage::AddBand(Band& band, int y, const int* ids, const char* label)
{
    band.shown = new wxCheckBox(this, ids[0], ToWx(label), wxPoint(10, y));
    band.text = new wxTextCtrl(this, ids[1], wxEmptyString, wxPoint(10, y + 28), wxSize(320, 26));
    for (int i = 0; i < 3; ++i) {
        band.align[i] =
            new wxRadioButton(this, ids[2 + i], ToWx(kAlignments[i]), wxPoint(350 + i * 60, y + 30),
                              wxDefaultSize, i == 0 ? wxRB_GROUP : 0);
        Bind(wxEVT_RADIOBUTTON, &CBandSetupPage::OnChange, this, ids[2 + i]);
    }
    AddLabel("文字", 10, y + 62);
    band.font = AddFontChoice(ids[5], 50, y + 62);
    AddLabel("ｻｲｽﾞ(pt)", 270, y + 62);
    AddRealSpin(band.size, ids[6], 340, y + 62, &kFontSize, 0.5);
    band.preview = new CBandPreview(this, ids[7], wxPoint(10, y + 96), wxSize(510, 44));
    Bind(wxEVT_CHECKBOX, &CBandSetupPage::OnChange, this, ids[0]);
    Bind(wxEVT_TEXT, &CBandSetupPage::OnChange, this, ids[1]);
    Bind(wxEVT_CHOICE, &CBandSetupPage::OnChange, this, ids[5]);
}

HeaderFooterSettings& CBandSetupPage::SettingsOf(CPageSetupModel& model, int band) const
{
    PrintSettings& settings = model.Settings();
    if (m_sheets) {
        return band == 0 ? settings.pageHeader : settings.pageFooter;
    }
    return band == 0 ? settings.listHeader : settings.listFooter;
}

void CBandSetupPage::Load(CPageSetupModel& model)
{
    m_model = &model;
    for (int band = 0; band < 2; ++band) {
        LoadBand(m_bands[band], SettingsOf(model, band));
        RefreshSample(band);
    }
}

void CBandSetupPage::LoadBand(Band& band, const HeaderFooterSettings& settings)
{
    band.shown->SetValue(settings.shown);
    band.text->ChangeValue(ToWx(settings.text));
    band.align[settings.align >= 0 && settings.align <= 2 ? settings.align : 0]->SetValue(true);
    LoadFontChoice(band.font, settings.fontName);
    band.size.GetEdit().SetReal(CPageSetupModel::ToShown(settings.fontSize));
}

void CBandSetupPage::Save(CPageSetupModel& model)
{
    for (int band = 0; band < 2; ++band) {
        SaveBand(m_bands[band], SettingsOf(model, band));
    }
}

void CBandSetupPage::SaveBand(Band& band, HeaderFooterSettings& settings)
{
    settings.shown = band.shown->GetValue();
    settings.text = FromWx(band.text->GetValue());
    settings.align = AlignmentOf(band);
    settings.fontName = SelectedText(band.font);
    settings.fontSize = CPageSetupModel::FromShown(band.size.GetEdit().GetReal());
}

int CBandSetupPage::AlignmentOf(const Band& band) const
{
    for (int i = 0; i < 3; ++i) {
        if (band.align[i]->GetValue()) {
            return i;
        }
    }
    return 0;
}

void CBandSetupPage::RefreshSample(int band)
{
    if (m_model == nullptr) {
        return;
    }
    Band& controls = m_bands[band];
    m_samples[band] = m_model->SampleText(FromWx(controls.text->GetValue()));
    controls.preview->SetSample(m_samples[band], AlignmentOf(controls), SelectedText(controls.font),
                                controls.shown->GetValue());
}

void CBandSetupPage::OnChange(wxCommandEvent& event)
{
    const int id = event.GetId();
    RefreshSample(std::find(std::begin(kFooterIds), std::end(kFooterIds), id) != std::end(kFooterIds) ? 1
                                                                                                      : 0);
}
