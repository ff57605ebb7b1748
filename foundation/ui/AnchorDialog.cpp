#include "foundation/ui/AnchorDialog.h"

#include "grid/ui/CellGrid.h"
#include "platform/ui/GtkGlue.h"
#include "platform/ui/TypedTextCheck.h"
#include "platform/ui/WxText.h"

#include <wx/bmpbuttn.h>
#include <wx/bookctrl.h>
#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/containr.h>
#include <wx/ctrlsub.h>
#include <wx/gauge.h>
#include <wx/radiobut.h>
#include <wx/slider.h>
#include <wx/statbmp.h>
#include <wx/textentry.h>

#include <algorithm>
#include <utility>

namespace {

CAnchorDialog::HelpHandler& InstalledHelpHandler()
{
    static CAnchorDialog::HelpHandler handler;
    return handler;
}

wxColour ToColour(COLORREF color)
{
    return wxColour(GetRValue(color), GetGValue(color), GetBValue(color));
}

CAnchorLayout::Key ToLayoutKey(int keyCode)
{
    switch (keyCode) {
    case WXK_UP:
    case WXK_NUMPAD_UP:
        return CAnchorLayout::Key::Up;
    case WXK_DOWN:
    case WXK_NUMPAD_DOWN:
        return CAnchorLayout::Key::Down;
    case WXK_LEFT:
    case WXK_NUMPAD_LEFT:
        return CAnchorLayout::Key::Left;
    case WXK_RIGHT:
    case WXK_NUMPAD_RIGHT:
        return CAnchorLayout::Key::Right;
    case WXK_RETURN:
    case WXK_NUMPAD_ENTER:
        return CAnchorLayout::Key::Enter;
    default:
        return CAnchorLayout::Key::Other;
    }
}

// The first shown, editable text field at or under window that holds a character without a
// Shift_JIS code, or null. Pages not on view are searched too, as their values are taken as well;
// an in-cell edit, hidden once it closes, is not.
wxWindow* FieldWithUnheldText(wxWindow& window)
{
    if (auto* entry = dynamic_cast<wxTextEntry*>(&window); entry != nullptr && window.IsShown() &&
                                                         entry->IsEditable() &&
                                                         !CTypedTextCheck::IsHeld(entry->GetValue())) {
        return &window;
    }
    for (wxWindow* child : window.GetChildren()) {
        if (wxWindow* found = FieldWithUnheldText(*child)) {
            return found;
        }
    }
    return nullptr;
}

// Brings the notebook pages that hold the window into view.
void ShowPagesOf(wxWindow& window)
{
    for (wxWindow* page = &window; page->GetParent() != nullptr; page = page->GetParent()) {
        if (auto* book = dynamic_cast<wxBookCtrlBase*>(page->GetParent())) {
            if (const int index = book->FindPage(page); index != wxNOT_FOUND) {
                book->SetSelection(static_cast<size_t>(index));
            }
        }
    }
}

} // namespace

CAnchorDialog::CAnchorDialog(wxWindow* parent, int templateId, const CString& title, const wxSize& size,
                             long style)
    : wxDialog(parent, wxID_ANY, ToWx(title), wxDefaultPosition, size, style), m_templateId(templateId)
{
    Bind(wxEVT_INIT_DIALOG, &CAnchorDialog::OnInitDialogEvent, this);
    Bind(wxEVT_SIZE, &CAnchorDialog::OnSize, this);
    Bind(wxEVT_CHAR_HOOK, &CAnchorDialog::OnCharHook, this);
    Bind(wxEVT_BUTTON, &CAnchorDialog::OnHelpCommand, this, wxID_HELP);
    Bind(wxEVT_BUTTON, &CAnchorDialog::OnHelpCommand, this, kHelpButtonId);
    Bind(wxEVT_MENU, &CAnchorDialog::OnHelpCommand, this, wxID_HELP);
}

CAnchorDialog::~CAnchorDialog() = default;

CAnchorDialog::HelpHandler CAnchorDialog::SetHelpHandler(HelpHandler handler)
{
    return std::exchange(InstalledHelpHandler(), std::move(handler));
}

void CAnchorDialog::OnInitDialogEvent(wxInitDialogEvent& event)
{
    // Shown again after hiding, the dialog keeps what it set up the first time.
    if (!m_initialised) {
        m_initialised = true;
        if (OnInitDialog()) {
            FocusFirstItem();
        }
    }
    event.Skip();
}

bool CAnchorDialog::EditingInACell() const
{
    for (wxWindow* window = FindFocus(); window != nullptr && window != this; window = window->GetParent()) {
        if (auto* grid = dynamic_cast<CCellGrid*>(window)) {
            return grid->IsEditing();
        }
    }
    return false;
}

void CAnchorDialog::FocusFirstItem()
{
    // A dialog whose setup chose where the keyboard starts keeps that place. Otherwise the first
    // item in the tab order takes it: a dialog that opens with the keyboard nowhere takes no key
    // at all, not even Esc, until it is clicked.
    wxWindow* focus = FindFocus();
    if (focus != nullptr && wxGetTopLevelParent(focus) == this) {
        return;
    }
    wxSetFocusToChild(this, nullptr);
}

void CAnchorDialog::ShowModeless()
{
    // A modal dialog that started after this window was made has disabled it.
    Enable();
    GtkGlue::SetOwnWindowGroup(*this);
    Show();
    Raise();
}

bool CAnchorDialog::SetAnchorTable(const DialogItemInfo* table, bool makeResizable)
{
    m_layout.SetTable(table);
    for (const DialogItemInfo& item : m_layout.GetItems()) {
        wxWindow* control = GetItem(item.id);
        if (control == nullptr) {
            return false;
        }
        const char* tip = GetItemTip(item.id);
        if (*tip != '\0') {
            control->SetToolTip(ToWx(tip));
        }
        ApplyItemColors(item);
    }
    // Client sizes: the frame the desktop adds may only be known once the dialog is shown.
    const wxSize size = GetClientSize();
    m_layout.SetMinimumSize(CSize(size.x, size.y));
    SetMinClientSize(size);
    if (makeResizable) {
        SetWindowStyleFlag(GetWindowStyleFlag() | wxRESIZE_BORDER);
        GtkGlue::SetResizable(*this, true);
    }
    return true;
}

const char* CAnchorDialog::GetItemTip(int id) const
{
    return m_layout.GetItemTip(id);
}

DialogItemInfo* CAnchorDialog::FindItemInfo(int id)
{
    return m_layout.FindItemInfo(id);
}

bool CAnchorDialog::SetItemColors(int id, COLORREF text, COLORREF back, bool redraw)
{
    if (!m_layout.SetItemColors(id, text, back)) {
        return false;
    }
    ApplyItemColors(*m_layout.FindItemInfo(id));
    wxWindow* control = GetItem(id);
    if (redraw && control != nullptr) {
        control->Refresh();
        control->Update();
    }
    return true;
}

void CAnchorDialog::ApplyItemColors(const DialogItemInfo& item)
{
    wxWindow* control = GetItem(item.id);
    if (control == nullptr) {
        return;
    }
    if (item.textColor != kDefaultColor) {
        control->SetForegroundColour(ToColour(item.textColor));
    }
    // A transparent control shows the dialog through it, whatever its background colour.
    if (control->HasFlag(wxTRANSPARENT_WINDOW)) {
        control->SetBackgroundStyle(wxBG_STYLE_TRANSPARENT);
    } else if (item.backColor != kDefaultColor) {
        control->SetBackgroundColour(ToColour(item.backColor));
    }
}

void CAnchorDialog::OnSize(wxSizeEvent& event)
{
    event.Skip();
    const wxSize size = GetClientSize();
    if (size.x == 0 || size.y == 0 || !m_layout.HasTable() || m_layout.GetItems().empty() ||
        GetItem(m_layout.GetItems().front().id) == nullptr) {
        return;
    }
    LayoutAnchoredItems();
}

void CAnchorDialog::LayoutAnchoredItems()
{
    const wxSize size = GetClientSize();
    const CSize delta = m_layout.TakeResize(CSize(size.x, size.y), !IsIconized());
    if (delta == CSize()) {
        return;
    }
    for (const DialogItemInfo& item : m_layout.GetItems()) {
        wxWindow* control = GetItem(item.id);
        if (control == nullptr || !CAnchorLayout::IsAnchored(item.flags)) {
            continue;
        }
        const wxRect r = control->GetRect();
        const CRect moved =
            CAnchorLayout::Anchor(CRect(r.x, r.y, r.x + r.width, r.y + r.height), item.flags, delta);
        control->SetSize(moved.left, moved.top, moved.Width(), moved.Height(), wxSIZE_ALLOW_MINUS_ONE);
    }
    Refresh();
}

void CAnchorDialog::OnCharHook(wxKeyEvent& event)
{
    // Esc presses the dialog's own escape button. wx would look its id up through every
    // descendant, where a grid's part of the same child id (the top heading is 2) comes first.
    // An edit in a grid cell keeps the key: Esc leaves the edit, and only the edit.
    if (event.GetKeyCode() == WXK_ESCAPE && event.GetModifiers() == wxMOD_NONE && !EditingInACell()) {
        if (auto* button = dynamic_cast<wxButton*>(GetItem(GetEscapeId()));
            button != nullptr && button->IsEnabled() && button->IsShown()) {
            wxCommandEvent click(wxEVT_BUTTON, button->GetId());
            click.SetEventObject(button);
            button->GetEventHandler()->ProcessEvent(click);
            return;
        }
    }
    // Esc cancels a modeless dialog as it does a modal one, though it has no Cancel button to
    // press; a modal dialog ends through its own, and one that took Esc away handles it itself.
    if (event.GetKeyCode() == WXK_ESCAPE && event.GetModifiers() == wxMOD_NONE && !IsModal() &&
        FindWindow(wxID_CANCEL) == nullptr && GetEscapeId() != wxID_NONE) {
        wxCommandEvent cancel(wxEVT_BUTTON, wxID_CANCEL);
        cancel.SetEventObject(this);
        ProcessWindowEvent(cancel);
        return;
    }
    if (!m_layout.HasTable() || event.ControlDown() || event.ShiftDown()) {
        event.Skip();
        return;
    }
    if (event.GetKeyCode() == WXK_F1) {
        wxCommandEvent help(wxEVT_MENU, wxID_HELP);
        help.SetEventObject(this);
        wxPostEvent(this, help);
        return;
    }
    const DialogItemInfo* item = m_layout.FindItemInfo(GetFocusItemId());
    const int step =
        item != nullptr ? CAnchorLayout::FocusStep(item->flags, ToLayoutKey(event.GetKeyCode())) : 0;
    if (step == 0) {
        event.Skip();
        return;
    }
    wxWindow* focus = wxWindow::FindFocus();
    if (focus != nullptr) {
        focus->Navigate(step > 0 ? wxNavigationKeyEvent::IsForward : wxNavigationKeyEvent::IsBackward);
    }
}

void CAnchorDialog::OnHelpCommand(wxCommandEvent&)
{
    if (InstalledHelpHandler()) {
        InstalledHelpHandler()(m_helpTopic);
    }
}

bool CAnchorDialog::AcceptFieldTexts()
{
    wxWindow* field = FieldWithUnheldText(*this);
    if (field == nullptr) {
        return true;
    }
    auto* entry = dynamic_cast<wxTextEntry*>(field);
    CTypedTextCheck::Accepts(entry->GetValue());
    ShowPagesOf(*field);
    field->SetFocus();
    entry->SelectAll();
    return false;
}

void CAnchorDialog::SetTitle(const CString& text)
{
    wxDialog::SetTitle(ToWx(text));
}

wxWindow* CAnchorDialog::GetItem(int id) const
{
    for (wxWindow* child : GetChildren()) {
        if (child->GetId() == id) {
            return child;
        }
    }
    return nullptr;
}

CString CAnchorDialog::GetItemText(int id) const
{
    wxWindow* control = GetItem(id);
    if (auto* entry = dynamic_cast<wxTextEntry*>(control)) {
        return FromWx(entry->GetValue());
    }
    return FromWx(control->GetLabel());
}

void CAnchorDialog::SetItemText(int id, const CString& text)
{
    wxWindow* control = GetItem(id);
    if (auto* entry = dynamic_cast<wxTextEntry*>(control)) {
        entry->SetValue(ToWx(text));
    } else {
        control->SetLabel(ToWx(text));
    }
}

int CAnchorDialog::GetFocusItemId() const
{
    // The focus may lie inside a composite control (the edit of a combo box or a field); the
    // dialog knows the control that is its own child.
    for (wxWindow* window = wxWindow::FindFocus(); window != nullptr; window = window->GetParent()) {
        if (window->GetParent() == this) {
            return window->GetId();
        }
    }
    return 0;
}

void CAnchorDialog::ShowItem(int id, bool show)
{
    GetItem(id)->Show(show);
}

bool CAnchorDialog::EnableItem(int id, bool enable)
{
    wxWindow* control = GetItem(id);
    const bool wasDisabled = !control->IsThisEnabled();
    control->Enable(enable);
    return wasDisabled;
}

void CAnchorDialog::SetItemFont(int id, const wxFont* font)
{
    wxWindow* control = GetItem(id);
    control->SetFont(font != nullptr ? *font : wxNullFont);
    control->Refresh();
}

void CAnchorDialog::SetItemBitmap(int id, const wxBitmap& bitmap)
{
    if (auto* image = dynamic_cast<wxStaticBitmap*>(GetItem(id))) {
        image->SetBitmap(bitmap);
    }
}

void CAnchorDialog::SetButtonBitmap(int id, const wxBitmap& bitmap)
{
    if (auto* button = dynamic_cast<wxAnyButton*>(GetItem(id))) {
        button->SetBitmap(bitmap);
    }
}

void CAnchorDialog::SetButtonIcon(int id, const wxIcon& icon)
{
    if (auto* button = dynamic_cast<wxAnyButton*>(GetItem(id))) {
        wxBitmap bitmap;
        bitmap.CopyFromIcon(icon);
        button->SetBitmap(bitmap);
    }
}

void CAnchorDialog::SelectComboString(int id, const CString& text)
{
    // The first item that begins with the text, in any letter case.
    auto* items = dynamic_cast<wxItemContainer*>(GetItem(id));
    const wxString prefix = ToWx(text).Lower();
    for (unsigned i = 0; i < items->GetCount(); ++i) {
        if (items->GetString(i).Lower().StartsWith(prefix)) {
            items->SetSelection(static_cast<int>(i));
            return;
        }
    }
}

void CAnchorDialog::SelectComboData(int id, intptr_t value)
{
    auto* items = dynamic_cast<wxItemContainer*>(GetItem(id));
    if (items->HasClientUntypedData()) {
        for (unsigned i = 0; i < items->GetCount(); ++i) {
            if (reinterpret_cast<intptr_t>(items->GetClientData(i)) == value) {
                items->SetSelection(static_cast<int>(i));
                return;
            }
        }
    }
    items->SetSelection(wxNOT_FOUND);
}

CString CAnchorDialog::GetComboText(int id, int index) const
{
    auto* items = dynamic_cast<wxItemContainer*>(GetItem(id));
    const int row = index < 0 ? items->GetSelection() : index;
    if (row < 0 || row >= static_cast<int>(items->GetCount())) {
        return CString();
    }
    return FromWx(items->GetString(row));
}

intptr_t CAnchorDialog::GetComboData(int id, int index) const
{
    auto* items = dynamic_cast<wxItemContainer*>(GetItem(id));
    const int row = index < 0 ? items->GetSelection() : index;
    if (row < 0 || row >= static_cast<int>(items->GetCount()) || !items->HasClientUntypedData()) {
        return 0;
    }
    return reinterpret_cast<intptr_t>(items->GetClientData(row));
}

bool CAnchorDialog::IsItemChecked(int id) const
{
    wxWindow* control = GetItem(id);
    if (auto* box = dynamic_cast<wxCheckBox*>(control)) {
        return box->Get3StateValue() == wxCHK_CHECKED;
    }
    if (auto* radio = dynamic_cast<wxRadioButton*>(control)) {
        return radio->GetValue();
    }
    return false;
}

int CAnchorDialog::GetCheckedRadio(int firstId, int count) const
{
    for (int i = 0; i < count; ++i) {
        if (IsItemChecked(firstId + i)) {
            return i;
        }
    }
    return -1;
}

void CAnchorDialog::SetItemCheck(int id, bool check, bool enable)
{
    wxWindow* control = GetItem(id);
    control->Enable(enable);
    if (auto* box = dynamic_cast<wxCheckBox*>(control)) {
        box->SetValue(check);
    } else if (auto* radio = dynamic_cast<wxRadioButton*>(control)) {
        radio->SetValue(check);
    }
}

void CAnchorDialog::SetProgressRange(int id, int minimum, int maximum)
{
    m_progressMinimum[id] = minimum;
    static_cast<wxGauge*>(GetItem(id))->SetRange(maximum - minimum);
}

void CAnchorDialog::SetProgressPos(int id, int pos)
{
    auto* gauge = static_cast<wxGauge*>(GetItem(id));
    const int value = pos - m_progressMinimum[id];
    gauge->SetValue(std::clamp(value, 0, gauge->GetRange()));
}

void CAnchorDialog::SetSlider(int id, int pos, int minimum, int maximum)
{
    auto* slider = static_cast<wxSlider*>(GetItem(id));
    slider->SetRange(minimum, maximum);
    slider->SetValue(pos);
}

void CAnchorDialog::SetSliderPos(int id, int pos)
{
    static_cast<wxSlider*>(GetItem(id))->SetValue(pos);
}

int CAnchorDialog::GetSliderPos(int id) const
{
    return static_cast<wxSlider*>(GetItem(id))->GetValue();
}
