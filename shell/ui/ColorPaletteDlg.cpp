#include "shell/ui/ColorPaletteDlg.h"

#include "platform/ui/GtkGlue.h"
#include "platform/ui/WxText.h"
#include "shell/ColorPalette.h"
#include "shell/ui/ColorSwatch.h"

#include <wx/button.h>
#include <wx/colordlg.h>

namespace {

constexpr int kTemplateId = 243;
constexpr int kMargin = 6;
constexpr int kCellWidth = 22;
constexpr int kCellHeight = 18;
constexpr int kGap = 2;
constexpr int kRows = CColorPalette::kCellCount / CColorPalette::kColumns;
constexpr int kButtonHeight = 26;

constexpr int kGridWidth = CColorPalette::kColumns * (kCellWidth + kGap) - kGap;
constexpr int kGridHeight = kRows * (kCellHeight + kGap) - kGap;
const wxSize kClientSize(kGridWidth + 2 * kMargin, kGridHeight + kButtonHeight + 3 * kMargin);

} // namespace

CColorPaletteDlg::CColorPaletteDlg(wxWindow* parent)
    : CAnchorDialog(parent, kTemplateId, CString(), wxDefaultSize, wxCAPTION)
{
    SetClientSize(kClientSize);
    for (int index = 0; index < CColorPalette::kCellCount; ++index) {
        const CColorPalette::Cell& cell = CColorPalette::GetCell(index);
        const int column = index % CColorPalette::kColumns;
        const int row = index / CColorPalette::kColumns;
        new CColorSwatch(
            this, cell.id,
            wxPoint(kMargin + column * (kCellWidth + kGap), kMargin + row * (kCellHeight + kGap)),
            wxSize(kCellWidth, kCellHeight));
        m_tips.push_back(CColorPalette::GetToolTip(index));
    }
    const int buttonTop = kMargin * 2 + kGridHeight;
    const int buttonWidth = (kGridWidth - kGap) / 2;
    new wxButton(this, CColorPalette::IDC_TRANSPARENT, ToWx("透明(&T)"), wxPoint(kMargin, buttonTop),
                 wxSize(buttonWidth, kButtonHeight));
    new wxButton(this, CColorPalette::IDC_OTHER_COLOR, ToWx("その他の色(&E)"),
                 wxPoint(kMargin + buttonWidth + kGap, buttonTop), wxSize(buttonWidth, kButtonHeight));

    // The table colours each cell and gives it its tooltip; the text colour is its mark's.
    for (int index = 0; index < CColorPalette::kCellCount; ++index) {
        const CColorPalette::Cell& cell = CColorPalette::GetCell(index);
        m_table.push_back({cell.id, 0, cell.markColor, cell.color, 0, m_tips[static_cast<size_t>(index)]});
    }
    m_table.push_back({});

    Bind(wxEVT_MENU, &CColorPaletteDlg::OnCell, this, CColorPalette::kFirstCellId,
         CColorPalette::kFirstCellId + CColorPalette::kCellCount - 1);
    Bind(wxEVT_BUTTON, &CColorPaletteDlg::OnTransparent, this, CColorPalette::IDC_TRANSPARENT);
    Bind(wxEVT_BUTTON, &CColorPaletteDlg::OnOtherColor, this, CColorPalette::IDC_OTHER_COLOR);
    Bind(wxEVT_ACTIVATE, &CColorPaletteDlg::OnActivate, this);
    // A modeless dialog sets itself up now rather than when first shown.
    InitDialog();
}

bool CColorPaletteDlg::OnInitDialog()
{
    return SetAnchorTable(m_table.data(), false);
}

void CColorPaletteDlg::ShowFor(int mode, int target, COLORREF current, int x, int y)
{
    m_mode = mode;
    m_target = target;
    m_color = current;
    SetTitle(CColorPalette::GetCaption(target));
    if (!m_label.IsEmpty()) {
        SetItemText(CColorPalette::IDC_TRANSPARENT, m_label);
    }
    for (int index = 0; index < CColorPalette::kCellCount; ++index) {
        SetItemText(CColorPalette::GetCell(index).id, CColorPalette::GetCellText(index, current));
    }
    Move(x, y + 1);
    ShowModeless();
    // GTK may map a dialog shown outside the event loop at a size of its own choosing.
    SetClientSize(kClientSize);
    // Shown again, it would open where it was last, under another button.
    GtkGlue::MoveTopLevel(*this, wxPoint(x, y + 1));
}

void CColorPaletteDlg::Choose(COLORREF color)
{
    m_color = color;
    Hide();
    if (m_mode == kSetDrawingColor) {
        if (m_setter) {
            m_setter(m_target, color);
        }
        return;
    }
    if (GetParent() != nullptr) {
        wxCommandEvent command(wxEVT_MENU, m_target);
        command.SetEventObject(this);
        GetParent()->GetEventHandler()->ProcessEvent(command);
    }
}

void CColorPaletteDlg::OnCell(wxCommandEvent& event)
{
    if (const CColorPalette::Cell* cell = CColorPalette::FindCell(event.GetId())) {
        Choose(cell->color);
    }
}

void CColorPaletteDlg::OnTransparent(wxCommandEvent&)
{
    Choose(kDefaultColor);
}

void CColorPaletteDlg::OnOtherColor(wxCommandEvent&)
{
    Hide();
    wxColourData data;
    data.SetChooseFull(true);
    if (m_color != kDefaultColor) {
        data.SetColour(wxColour(GetRValue(m_color), GetGValue(m_color), GetBValue(m_color)));
    }
    wxColourDialog dialog(GetParent(), &data);
    if (dialog.ShowModal() == wxID_OK) {
        const wxColour chosen = dialog.GetColourData().GetColour();
        Choose(RGB(chosen.Red(), chosen.Green(), chosen.Blue()));
    }
}

void CColorPaletteDlg::OnActivate(wxActivateEvent& event)
{
    event.Skip();
    if (!event.GetActive() && IsShown()) {
        Hide();
    }
}
