#include "foundation/ui/TypedEdit.h"

#include "foundation/ui/SystemServices.h"
#include "platform/Cp932.h"
#include "platform/MessageBox.h"
#include "platform/ui/GtkGlue.h"
#include "platform/ui/WxText.h"

#include <wx/app.h>
#include <wx/utils.h>

bool CTypedEdit::Create(wxWindow* parent, int id, const wxRect& rect, int alignment, const TextFormat* format)
{
    const long align = alignment == 1 ? wxTE_CENTRE : alignment == 2 ? wxTE_RIGHT : wxTE_LEFT;
    if (!wxTextCtrl::Create(parent, id, wxEmptyString, rect.GetPosition(), rect.GetSize(),
                            align | StyleOf(format) | wxBORDER_DEFAULT)) {
        return false;
    }
    SetMargins(2, 2);
    if (format != nullptr) {
        SetTextFormat(format);
    }
    Bind(wxEVT_CHAR, &CTypedEdit::OnChar, this);
    Bind(wxEVT_SET_FOCUS, &CTypedEdit::OnSetFocus, this);
    Bind(wxEVT_KILL_FOCUS, &CTypedEdit::OnKillFocus, this);
    return true;
}

long CTypedEdit::StyleOf(const TextFormat* format)
{
    const int flags = format != nullptr ? format->flags : 0;
    long style = 0;
    if ((flags & TF_PASSWORD) != 0) {
        style |= wxTE_PASSWORD;
    }
    if ((flags & TF_MULTILINE) != 0) {
        style |= wxTE_MULTILINE;
    }
    if ((flags & TF_VSCROLL) != 0) {
        style |= wxVSCROLL;
    }
    if ((flags & TF_HSCROLL) != 0) {
        style |= wxHSCROLL;
    }
    return style;
}

bool CTypedEdit::NeedsRecreate(const TextFormat* format) const
{
    const long mask = wxTE_PASSWORD | wxTE_MULTILINE | wxVSCROLL | wxHSCROLL;
    return (StyleOf(format) & mask) != (GetWindowStyleFlag() & mask);
}

void CTypedEdit::SetTextFormat(const TextFormat* format)
{
    m_value.SetTextFormat(format);
    const int flags = format != nullptr ? format->flags : 0;
    // Upper case alone is forced by the edit; lower case alone by the key filter.
    if ((flags & (TF_UPPER | TF_LOWER)) == TF_UPPER) {
        ForceUpper();
    }
}

CString CTypedEdit::GetText() const
{
    return FromWx(GetValue());
}

void CTypedEdit::SetText(const CString& text)
{
    m_settingText = true;
    SetValue(ToWx(text));
    m_settingText = false;
}

int CTypedEdit::GetInteger()
{
    SetText(m_value.ParseInteger(GetText()));
    return m_value.GetInteger();
}

double CTypedEdit::GetReal()
{
    SetText(m_value.ParseReal(GetText()));
    return m_value.GetReal();
}

CNumber CTypedEdit::GetDecimal()
{
    SetText(m_value.ParseDecimal(GetText()));
    return m_value.GetDecimal();
}

CDateEx CTypedEdit::GetDate()
{
    SetText(m_value.ParseDate(GetText()));
    return m_value.GetDate();
}

CDateEx CTypedEdit::GetTime()
{
    SetText(m_value.ParseTime(GetText()));
    return m_value.GetDate();
}

int CTypedEdit::GetYearMonth()
{
    SetText(m_value.ParseYearMonth(GetText()));
    return m_value.GetYearMonth();
}

void CTypedEdit::OnChar(wxKeyEvent& event)
{
    const wxChar typed = event.GetUnicodeKey();
    if (typed == WXK_NONE || typed < 0x20 || event.ControlDown() || event.AltDown()) {
        event.Skip();
        return;
    }
    const CString bytes(Cp932::FromUtf8(wxString(typed).utf8_str().data()));
    const CString narrow = m_value.NarrowTyped(bytes);
    long from = 0;
    long to = 0;
    GetSelection(&from, &to);
    if (narrow.IsEmpty() ||
        !m_value.AcceptChar(static_cast<unsigned char>(narrow[0]), narrow.GetLength(), GetText(),
                            static_cast<int>(from), static_cast<int>(to))) {
        return;
    }
    if (narrow != bytes) {
        WriteText(ToWx(narrow));
        return;
    }
    const TextFormat* format = m_value.GetTextFormat();
    if (GetMode() == CTypedEditValue::modeText && format != nullptr &&
        (format->flags & (TF_UPPER | TF_LOWER)) == TF_LOWER && typed >= 'A' && typed <= 'Z') {
        WriteText(wxString(wxChar(typed - 'A' + 'a')));
        return;
    }
    event.Skip();
}

void CTypedEdit::OnSetFocus(wxFocusEvent& event)
{
    event.Skip();
    CallAfter([this] {
        SelectAll();
        ShowPosition(GetLastPosition());
    });
    SetImeMode(m_value.GetFocusImeMode());
    m_changed = m_changed || IsModified();
    DiscardEdits();
    if (m_host != nullptr) {
        m_host->OnEditSetFocus();
    }
}

void CTypedEdit::OnKillFocus(wxFocusEvent& event)
{
    if (IsModified()) {
        if (GetMode() != CTypedEditValue::modeText && GetMode() != CTypedEditValue::modeDigits) {
            SetText(m_value.Parse(GetText()));
            if (!m_value.GetRefusal().IsEmpty()) {
                ShowRefusal(m_value.GetRefusal());
            }
        }
        MarkDirty();
        m_changed = true;
    }
    event.Skip();
    if (m_host != nullptr) {
        m_host->OnEditKillFocus();
    }
}

void CTypedEdit::ShowRefusal(const CString& reason)
{
    wxBell();
    // A box opened while the focus is moving would fight the window taking it; once the move is
    // over, the box says why and the field takes the focus back to be corrected.
    CallAfter([this, reason] {
        ShowMessageBox(reason, CString(), MB_OK | MB_ICONEXCLAMATION);
        SetFocus();
    });
}
