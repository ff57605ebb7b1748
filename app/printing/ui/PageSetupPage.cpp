#include "app/printing/ui/PageSetupPage.h"

#include "app/printing/PageSetupModel.h"
#include "foundation/FontList.h"
#include "foundation/ui/SpinEdit.h"
#include "platform/ui/WxText.h"

#include <wx/choice.h>
#include <wx/stattext.h>

namespace {

constexpr int kSpinWidth = 70;
constexpr int kFieldHeight = 26;

} // namespace

CPageSetupPage::CPageSetupPage(wxWindow* parent, int templateId)
    : wxPanel(parent, templateId), m_templateId(templateId)
{
}

void CPageSetupPage::AddLabel(const char* text, int x, int y)
{
    new wxStaticText(this, wxID_ANY, ToWx(text), wxPoint(x, y + 4));
}

void CPageSetupPage::AddIntegerSpin(CSpinEdit& spin, int id, int x, int y, const IntegerFormat* format)
{
    new wxWindow(this, id, wxPoint(x, y), wxSize(kSpinWidth, kFieldHeight));
    spin.AttachToDialogItem(this, id, nullptr);
    spin.SetIntegerFormat(format, 1);
}

void CPageSetupPage::AddRealSpin(CSpinEdit& spin, int id, int x, int y, const RealFormat* format, double step)
{
    new wxWindow(this, id, wxPoint(x, y), wxSize(kSpinWidth, kFieldHeight));
    spin.AttachToDialogItem(this, id, nullptr);
    spin.SetRealFormat(format, step);
}

wxChoice* CPageSetupPage::AddFontChoice(int id, int x, int y)
{
    return new wxChoice(this, id, wxPoint(x, y), wxSize(200, kFieldHeight));
}

void CPageSetupPage::LoadFontChoice(wxChoice* choice, const CString& face)
{
    static CFontList fonts;
    if (fonts.GetSize() == 0) {
        fonts.EnumFonts();
    }
    choice->Clear();
    const std::vector<CString> faces = CPageSetupModel::FontChoices(fonts, face);
    for (const CString& name : faces) {
        choice->Append(ToWx(name));
    }
    choice->SetStringSelection(ToWx(face.IsEmpty() ? CString("ＭＳ 明朝") : face));
}

CString CPageSetupPage::SelectedText(const wxChoice* choice)
{
    return FromWx(choice->GetStringSelection());
}
