#include "grid/ui/MaskedCellEdit.h"

#include "grid/CellRecord.h"
#include "grid/ui/CellGrid.h"
#include "grid/ui/GridChars.h"
#include "platform/ui/WxText.h"

#include <wx/clipbrd.h>

CMaskedCellEdit::CMaskedCellEdit(CCellGrid& grid) : CCellEditBase(grid, GridPartId::MaskedEdit, 0)
{
    Bind(wxEVT_TEXT, &CMaskedCellEdit::OnText, this);
    Bind(wxEVT_TEXT_PASTE, &CMaskedCellEdit::OnPaste, this);
    Bind(wxEVT_KILL_FOCUS, &CMaskedCellEdit::OnLoseFocus, this);
}

void CMaskedCellEdit::OnOpened()
{
    m_busy = false;
    m_typedFirst.Empty();
    m_mask.SetMask(Grid().EditRecord().GetEditMask());
    SetMaxLength(m_mask.IsActive() ? m_mask.TextLimit() : 0);
    if (m_mask.IsActive()) {
        SetOwnText(m_mask.Reformat(GetText()), -1);
    }
}

void CMaskedCellEdit::OnLoseFocus(wxFocusEvent& event)
{
    SetMaxLength(0);
    event.Skip();
}

bool CMaskedCellEdit::FilterChar(unsigned int character)
{
    if (m_busy || !m_mask.IsActive()) {
        return true;
    }
    long from, to;
    GetSelection(&from, &to);
    if (from != to) {
        Remove(from, to);
    }
    return m_mask.FilterChar(static_cast<int>(GetInsertionPoint()), character, m_typedFirst);
}

void CMaskedCellEdit::InsertChar(unsigned int character)
{
    if (!IsEditable()) {
        return;
    }
    m_busy = true;
    if (!m_typedFirst.IsEmpty()) {
        WriteText(ToWx(m_typedFirst));
        m_typedFirst.Empty();
    }
    const wxChar wide = CGridChars::ToWx(character);
    if (wide != 0) {
        WriteText(wxString(wide));
    }
    m_busy = false;
}

void CMaskedCellEdit::OnText(wxCommandEvent& event)
{
    event.Skip();
    if (m_busy || !m_mask.IsActive() || !IsOpen()) {
        return;
    }
    // Text that came by another way (an input method) is forced into the pattern too.
    const CString text = GetText();
    const CString formatted = m_mask.Reformat(text);
    if (formatted != text) {
        SetOwnText(formatted, GetInsertionPoint());
    }
}

void CMaskedCellEdit::PasteText(const CString& text)
{
    if (!IsEditable()) {
        return;
    }
    long from, to;
    GetSelection(&from, &to);
    int caret = 0;
    const CString result =
        m_mask.Paste(GetText(), static_cast<int>(from), static_cast<int>(to), text, &caret);
    SetOwnText(result, caret);
}

void CMaskedCellEdit::OnPaste(wxClipboardTextEvent&)
{
    wxString pasted;
    if (wxTheClipboard->Open()) {
        wxTextDataObject data;
        if (wxTheClipboard->GetData(data)) {
            pasted = data.GetText();
        }
        wxTheClipboard->Close();
    }
    PasteText(FromWx(pasted));
}

void CMaskedCellEdit::SetOwnText(const CString& text, long caret)
{
    m_busy = true;
    ChangeValue(ToWx(text));
    SetInsertionPoint(caret < 0 ? GetLastPosition() : std::min(caret, GetLastPosition()));
    m_busy = false;
}
