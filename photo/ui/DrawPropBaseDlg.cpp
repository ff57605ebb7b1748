#include "photo/ui/DrawPropBaseDlg.h"

#include "app/ui/ColorPaletteDlg.h"
#include "app/ui/ResourceBitmaps.h"
#include "foundation/FontList.h"
#include "photo/PointListEditor.h"
#include "platform/ui/WxText.h"
#include "res/images/BitmapArt.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/combobox.h>
#include <wx/grid.h>
#include <wx/menu.h>
#include <wx/sizer.h>
#include <wx/spinctrl.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include <cstdlib>

namespace {

constexpr int kGridUp = 1081;
constexpr int kGridDown = 1083;
constexpr int kGridAppend = 1084;
constexpr int kGridInsert = 1085;
constexpr int kGridDelete = 1087;
// The palette answers with the colour target: border, fill, text and shadow.
constexpr int kFirstColorTarget = 33011;

int TargetOf(int controlId)
{
    switch (controlId) {
    case CDrawPropBaseDlg::IDC_BORDER_COLOR:
        return kFirstColorTarget;
    case CDrawPropBaseDlg::IDC_FILL_COLOR:
        return kFirstColorTarget + 1;
    case CDrawPropBaseDlg::IDC_TEXT_COLOR:
        return kFirstColorTarget + 2;
    default:
        return kFirstColorTarget + 3;
    }
}

// A number as the grid shows it; text that is not a number counts as 0.
int CellNumber(wxString text)
{
    long value = 0;
    return text.Trim().Trim(false).ToLong(&value) ? static_cast<int>(value) : 0;
}

} // namespace

CDrawPropBaseDlg::CDrawPropBaseDlg(int templateId, const char* caption, const char* helpTopic,
                                   ShapePropertyValues& values)
    : CAnchorDialog(nullptr, templateId, caption, wxDefaultSize), m_values(values),
      m_pickedWidth(values.borderWidth), m_helpTopic(helpTopic)
{
    SetHelpTopic(helpTopic);
    m_fields = new wxFlexGridSizer(1);
    m_palette = new CColorPaletteDlg(this);
    m_palette->SetTransparentLabel("透明");
    Bind(wxEVT_MENU, &CDrawPropBaseDlg::OnPaletteColor, this, kFirstColorTarget, kFirstColorTarget + 3);
    Bind(wxEVT_MENU, &CDrawPropBaseDlg::OnWidthMenu, this, ID_WIDTH_FIRST, ID_WIDTH_FIRST + 8);
}

CDrawPropBaseDlg::~CDrawPropBaseDlg() = default;

bool CDrawPropBaseDlg::Run()
{
    return ShowModal() == wxID_OK;
}

// Building

void CDrawPropBaseDlg::BeginRow(const char* heading)
{
    if (heading != nullptr && *heading != '\0') {
        m_fields->Add(new wxStaticText(this, wxID_ANY, ToWx(heading)), 0, wxLEFT | wxRIGHT | wxTOP, 8);
    }
    m_row = new wxFlexGridSizer(8, 4, 6);
    m_fields->Add(m_row, 0, wxALL, 8);
}

void CDrawPropBaseDlg::AddSpin(int id, const char* label, int& value, int minimum, int maximum)
{
    m_row->Add(new wxStaticText(this, wxID_ANY, ToWx(label)), 0, wxALIGN_CENTER_VERTICAL);
    auto* spin = new wxSpinCtrl(this, id, wxEmptyString, wxDefaultPosition, wxSize(130, -1), wxSP_ARROW_KEYS,
                                minimum, maximum, value);
    m_row->Add(spin);
    m_spins.emplace_back(spin, &value);
}

void CDrawPropBaseDlg::AddCheck(int id, const char* label, bool& value)
{
    auto* check = new wxCheckBox(this, id, ToWx(label));
    check->SetValue(value);
    m_row->Add(check, 0, wxALIGN_CENTER_VERTICAL);
    m_row->AddSpacer(0);
    m_checks.emplace_back(check, &value);
}

void CDrawPropBaseDlg::AddColor(int id, const char* label, COLORREF& value)
{
    m_row->Add(new wxStaticText(this, wxID_ANY, ToWx(label)), 0, wxALIGN_CENTER_VERTICAL);
    auto* button = new wxButton(this, id, wxEmptyString, wxDefaultPosition, wxSize(130, -1));
    m_row->Add(button);
    m_colors.push_back({button, &value, value, TargetOf(id)});
    ShowColor(m_colors.back(), value);
    button->Bind(wxEVT_BUTTON, &CDrawPropBaseDlg::OnColorButton, this);
}

void CDrawPropBaseDlg::AddBorderWidth()
{
    m_row->Add(new wxStaticText(this, wxID_ANY, ToWx("線の太さ")), 0, wxALIGN_CENTER_VERTICAL);
    m_widthButton = new wxButton(this, IDC_BORDER_WIDTH, wxEmptyString, wxDefaultPosition, wxSize(130, -1));
    m_row->Add(m_widthButton);
    ShowBorderWidth();
    m_widthButton->Bind(wxEVT_BUTTON, &CDrawPropBaseDlg::OnWidthButton, this);
}

void CDrawPropBaseDlg::AddRectangle()
{
    BeginRow("座標");
    const int limit = ShapePropertyValues::kCoordinate;
    AddSpin(1136, "左", m_values.rect.left, -limit, limit);
    AddSpin(1184, "上", m_values.rect.top, -limit, limit);
    AddSpin(1141, "右", m_values.rect.right, -limit, limit);
    AddSpin(1140, "下", m_values.rect.bottom, -limit, limit);
}

void CDrawPropBaseDlg::AddShadowOffsets()
{
    const int limit = ShapePropertyValues::kShadowOffset;
    AddSpin(1263, "影 X", m_values.shadowX, -limit, limit);
    AddSpin(1264, "影 Y", m_values.shadowY, -limit, limit);
}

void CDrawPropBaseDlg::AddArrows()
{
    const int length = ShapePropertyValues::kArrowLength;
    const int angle = ShapePropertyValues::kArrowAngle;
    BeginRow("矢印");
    AddSpin(1265, "始点 長さ", m_values.startArrow.length, -length, length);
    AddSpin(1266, "角度", m_values.startArrow.angle, 0, angle);
    AddCheck(1267, "塗りつぶし", m_values.startArrow.filled);
    BeginRow(nullptr);
    AddSpin(1268, "終点 長さ", m_values.endArrow.length, -length, length);
    AddSpin(1269, "角度", m_values.endArrow.angle, 0, angle);
    AddCheck(1270, "塗りつぶし", m_values.endArrow.filled);
}

void CDrawPropBaseDlg::AddLineAndShadow(bool fill)
{
    BeginRow("線と色");
    AddBorderWidth();
    AddColor(IDC_BORDER_COLOR, "線の色", m_values.borderColor);
    if (fill) {
        AddColor(IDC_FILL_COLOR, "背景色", m_values.fillColor);
    }
    BeginRow("影");
    AddColor(IDC_SHADOW_COLOR, "影の色", m_values.shadowColor);
    AddShadowOffsets();
}

void CDrawPropBaseDlg::AddPointGrid()
{
    BeginRow("座標");
    m_gridPoints = m_values.points;
    m_grid = new wxGrid(this, IDC_POINT_GRID, wxDefaultPosition, wxSize(220, 180));
    m_grid->CreateGrid(0, 2);
    m_grid->SetColLabelValue(0, "X");
    m_grid->SetColLabelValue(1, "Y");
    m_grid->SetRowLabelSize(36);
    m_grid->SetTabBehaviour(wxGrid::Tab_Leave);
    FillGrid();
    m_row->Add(m_grid);
    auto* buttons = new wxBoxSizer(wxVERTICAL);
    const struct
    {
        int id;
        const char* label;
    } gridButtons[] = {{kGridUp, "上へ"},
                       {kGridDown, "下へ"},
                       {kGridAppend, "追加"},
                       {kGridInsert, "挿入"},
                       {kGridDelete, "削除"}};
    for (const auto& entry : gridButtons) {
        auto* button = new wxButton(this, entry.id, ToWx(entry.label));
        button->Bind(wxEVT_BUTTON, &CDrawPropBaseDlg::OnGridButton, this);
        buttons->Add(button, 0, wxBOTTOM, 4);
    }
    m_row->Add(buttons);
}

void CDrawPropBaseDlg::AddStatic(int id, const char* label, const CString& text)
{
    m_row->Add(new wxStaticText(this, wxID_ANY, ToWx(label)), 0, wxALIGN_CENTER_VERTICAL);
    m_row->Add(new wxStaticText(this, id, ToWx(text)), 0, wxALIGN_CENTER_VERTICAL);
}

void CDrawPropBaseDlg::AddTextEdit(int id, CString& value)
{
    BeginRow("ﾃｷｽﾄ");
    // Lines of the text are separated by CR LF; the edit shows them as lines.
    CString shown = value;
    shown.Replace("\r\n", "\n");
    auto* edit = new wxTextCtrl(this, id, ToWx(shown), wxDefaultPosition, wxSize(360, 70), wxTE_MULTILINE);
    m_row->Add(edit);
    m_texts.emplace_back(edit, &value);
}

void CDrawPropBaseDlg::AddFontCombo(int id, CString& value)
{
    m_row->Add(new wxStaticText(this, wxID_ANY, ToWx("ﾌｫﾝﾄ")), 0, wxALIGN_CENTER_VERTICAL);
    auto* combo = new wxComboBox(this, id, ToWx(value), wxDefaultPosition, wxSize(200, -1));
    CFontList fonts;
    fonts.EnumFonts();
    for (int i = 0; i < fonts.GetSize(); ++i) {
        if (fonts.GetItem(i)->charSet == CFontItem::kShiftJisCharset) {
            combo->Append(ToWx(fonts.GetItem(i)->faceName));
        }
    }
    combo->SetValue(ToWx(value));
    m_row->Add(combo);
    m_texts.emplace_back(combo, &value);
}

void CDrawPropBaseDlg::Finish()
{
    auto* buttons = new wxBoxSizer(wxHORIZONTAL);
    auto* set = new wxButton(this, IDC_SET, ToWx("設定(&G)"));
    set->SetDefault();
    set->Bind(wxEVT_BUTTON, &CDrawPropBaseDlg::OnSet, this);
    buttons->Add(set, 0, wxRIGHT, 6);
    buttons->Add(new wxButton(this, wxID_CANCEL, ToWx("ｷｬﾝｾﾙ")), 0, wxRIGHT, 6);
    auto* help = new wxButton(this, IDC_HELP, ToWx("ﾍﾙﾌﾟ(&H)"));
    help->Bind(wxEVT_BUTTON, &CDrawPropBaseDlg::OnHelp, this);
    buttons->Add(help);
    m_fields->Add(buttons, 0, wxALL | wxALIGN_RIGHT, 8);
    SetSizerAndFit(m_fields);
    CentreOnScreen();
}

// Colours and width

void CDrawPropBaseDlg::ShowColor(ColorButton& entry, COLORREF color)
{
    entry.shown = color;
    if (color == kDefaultColor) {
        entry.button->SetBackgroundColour(wxNullColour);
        entry.button->SetLabel(ToWx("透明"));
    } else {
        entry.button->SetBackgroundColour(wxColour(GetRValue(color), GetGValue(color), GetBValue(color)));
        entry.button->SetLabel(wxEmptyString);
    }
    entry.button->Refresh();
}

COLORREF CDrawPropBaseDlg::GetButtonColor(int id) const
{
    for (const ColorButton& entry : m_colors) {
        if (entry.button->GetId() == id) {
            return entry.shown;
        }
    }
    return kDefaultColor;
}

void CDrawPropBaseDlg::OnColorButton(wxCommandEvent& event)
{
    for (const ColorButton& entry : m_colors) {
        if (entry.button->GetId() == event.GetId()) {
            const wxRect rect = entry.button->GetScreenRect();
            m_palette->ShowFor(CColorPaletteDlg::kTellOwner, entry.target, entry.shown, rect.GetLeft(),
                               rect.GetBottom());
        }
    }
}

void CDrawPropBaseDlg::OnPaletteColor(wxCommandEvent& event)
{
    for (ColorButton& entry : m_colors) {
        if (entry.target == event.GetId()) {
            ShowColor(entry, m_palette->GetColor());
        }
    }
}

void CDrawPropBaseDlg::ShowBorderWidth()
{
    if (m_widthButton == nullptr) {
        return;
    }
    const wxBitmap swatch = CResourceBitmaps::GetBitmap(CBitmapArt::kFirstWidthSwatch + m_pickedWidth);
    if (swatch.IsOk()) {
        m_widthButton->SetBitmap(swatch);
    }
    CString label;
    if (m_pickedWidth == 0) {
        label = "線なし";
    } else {
        label.Format("%dﾄﾞｯﾄ", m_pickedWidth);
    }
    m_widthButton->SetLabel(ToWx(label));
}

void CDrawPropBaseDlg::OnWidthButton(wxCommandEvent&)
{
    wxMenu menu;
    menu.Append(ID_WIDTH_FIRST, ToWx("線なし"));
    menu.AppendSeparator();
    for (int width = 1; width <= ShapePropertyValues::kMaxBorderWidth; ++width) {
        CString label;
        label.Format("%dﾄﾞｯﾄ", width);
        menu.Append(ID_WIDTH_FIRST + width, ToWx(label));
    }
    const wxRect rect = m_widthButton->GetRect();
    PopupMenu(&menu, rect.GetLeft(), rect.GetBottom() + 1);
}

void CDrawPropBaseDlg::OnWidthMenu(wxCommandEvent& event)
{
    m_pickedWidth = std::clamp(event.GetId() - ID_WIDTH_FIRST, 0, ShapePropertyValues::kMaxBorderWidth);
    ShowBorderWidth();
}

// Point grid

void CDrawPropBaseDlg::FillGrid()
{
    if (m_grid->GetNumberRows() > 0) {
        m_grid->DeleteRows(0, m_grid->GetNumberRows());
    }
    m_grid->AppendRows(static_cast<int>(m_gridPoints.size()));
    for (size_t row = 0; row < m_gridPoints.size(); ++row) {
        m_grid->SetCellValue(static_cast<int>(row), 0, wxString::Format("%d", m_gridPoints[row].x));
        m_grid->SetCellValue(static_cast<int>(row), 1, wxString::Format("%d", m_gridPoints[row].y));
    }
}

void CDrawPropBaseDlg::ReadGrid()
{
    if (m_grid == nullptr) {
        return;
    }
    if (m_grid->IsCellEditControlEnabled()) {
        m_grid->SaveEditControlValue();
        m_grid->DisableCellEditControl();
    }
    for (int row = 0; row < m_grid->GetNumberRows() && row < static_cast<int>(m_gridPoints.size()); ++row) {
        m_gridPoints[static_cast<size_t>(row)] =
            CPoint(CellNumber(m_grid->GetCellValue(row, 0)), CellNumber(m_grid->GetCellValue(row, 1)));
    }
}

const std::vector<CPoint>& CDrawPropBaseDlg::GetGridPoints()
{
    ReadGrid();
    return m_gridPoints;
}

void CDrawPropBaseDlg::PressGridButton(int id, int currentRow)
{
    ReadGrid();
    CPointListEditor editor(m_gridPoints);
    int row = currentRow;
    switch (id) {
    case kGridUp:
        row = editor.MoveUp(currentRow);
        break;
    case kGridDown:
        row = editor.MoveDown(currentRow);
        break;
    case kGridAppend:
        row = editor.Append(currentRow);
        break;
    case kGridInsert:
        row = editor.InsertBefore(currentRow);
        break;
    case kGridDelete:
        row = editor.Delete(currentRow);
        break;
    default:
        return;
    }
    FillGrid();
    if (row >= 0 && row < m_grid->GetNumberRows()) {
        m_grid->SetGridCursor(row, m_grid->GetGridCursorCol() >= 0 ? m_grid->GetGridCursorCol() : 0);
    }
    m_grid->SetFocus();
}

void CDrawPropBaseDlg::OnGridButton(wxCommandEvent& event)
{
    PressGridButton(event.GetId(), m_grid->GetGridCursorRow());
}

// Buttons

void CDrawPropBaseDlg::Accept()
{
    if (!AcceptFieldTexts()) {
        return;
    }
    for (auto& [spin, value] : m_spins) {
        *value = spin->GetValue();
    }
    for (auto& [check, value] : m_checks) {
        *value = check->GetValue();
    }
    for (auto& [window, value] : m_texts) {
        CString text = FromWx(static_cast<wxTextEntry*>(dynamic_cast<wxTextEntry*>(window))->GetValue());
        if (dynamic_cast<wxTextCtrl*>(window) != nullptr) {
            text.Replace("\r\n", "\n");
            text.Replace("\n", "\r\n");
        }
        *value = text;
    }
    for (ColorButton& entry : m_colors) {
        *entry.value = entry.shown;
    }
    if (m_widthButton != nullptr) {
        m_values.borderWidth = m_pickedWidth;
    }
    if (m_grid != nullptr) {
        m_values.points = GetGridPoints();
    }
    EndModal(wxID_OK);
}

void CDrawPropBaseDlg::OnSet(wxCommandEvent&)
{
    Accept();
}

void CDrawPropBaseDlg::OnHelp(wxCommandEvent&)
{
    wxCommandEvent help(wxEVT_BUTTON, wxID_HELP);
    help.SetEventObject(this);
    ProcessWindowEvent(help);
}
