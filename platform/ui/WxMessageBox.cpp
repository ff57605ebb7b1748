#include "platform/ui/WxMessageBox.h"

#include "platform/ui/WxText.h"

#include <wx/app.h>
#include <wx/cursor.h>
#include <wx/msgdlg.h>
#include <wx/toplevel.h>

MessageBoxHandler WxMessageBox::Install()
{
    return SetMessageBoxHandler(&WxMessageBox::Show);
}

long WxMessageBox::ToWxStyle(unsigned style)
{
    const unsigned buttons = style & MB_TYPEMASK;
    const bool second = (style & MB_DEFBUTTON2) != 0;
    long wxStyle = 0;
    switch (buttons) {
    case MB_OKCANCEL:
    case MB_RETRYCANCEL:
        wxStyle = wxOK | wxCANCEL | (second ? wxCANCEL_DEFAULT : 0);
        break;
    case MB_YESNO:
        wxStyle = wxYES_NO | (second ? wxNO_DEFAULT : 0);
        break;
    case MB_YESNOCANCEL:
    case MB_ABORTRETRYIGNORE:
        // A third default button has no wx form; the first stays default then.
        wxStyle = wxYES_NO | wxCANCEL | (second ? wxNO_DEFAULT : 0);
        break;
    default:
        wxStyle = wxOK;
        break;
    }
    switch (style & MB_ICONMASK) {
    case MB_ICONHAND:
        wxStyle |= wxICON_ERROR;
        break;
    case MB_ICONQUESTION:
        wxStyle |= wxICON_QUESTION;
        break;
    case MB_ICONEXCLAMATION:
        wxStyle |= wxICON_WARNING;
        break;
    case MB_ICONASTERISK:
        wxStyle |= wxICON_INFORMATION;
        break;
    default:
        wxStyle |= wxICON_NONE;
        break;
    }
    if ((style & (MB_TOPMOST | MB_SYSTEMMODAL)) != 0) {
        wxStyle |= wxSTAY_ON_TOP;
    }
    return wxStyle | wxCENTRE;
}

int WxMessageBox::ToAnswer(unsigned style, int wxAnswer)
{
    switch (style & MB_TYPEMASK) {
    case MB_OKCANCEL:
        return wxAnswer == wxID_OK ? IDOK : IDCANCEL;
    case MB_RETRYCANCEL:
        return wxAnswer == wxID_OK ? IDRETRY : IDCANCEL;
    case MB_YESNO:
        return wxAnswer == wxID_YES ? IDYES : IDNO;
    case MB_YESNOCANCEL:
        return wxAnswer == wxID_YES ? IDYES : wxAnswer == wxID_NO ? IDNO : IDCANCEL;
    case MB_ABORTRETRYIGNORE:
        return wxAnswer == wxID_YES ? IDABORT : wxAnswer == wxID_NO ? IDRETRY : IDIGNORE;
    default:
        return IDOK;
    }
}

void WxMessageBox::SetButtonLabels(wxMessageDialog& dialog, unsigned style)
{
    switch (style & MB_TYPEMASK) {
    case MB_OKCANCEL:
        dialog.SetOKCancelLabels(ToWx("OK"), ToWx("キャンセル"));
        break;
    case MB_RETRYCANCEL:
        dialog.SetOKCancelLabels(ToWx("再試行(&R)"), ToWx("キャンセル"));
        break;
    case MB_YESNO:
        dialog.SetYesNoLabels(ToWx("はい(&Y)"), ToWx("いいえ(&N)"));
        break;
    case MB_YESNOCANCEL:
        dialog.SetYesNoCancelLabels(ToWx("はい(&Y)"), ToWx("いいえ(&N)"), ToWx("キャンセル"));
        break;
    case MB_ABORTRETRYIGNORE:
        dialog.SetYesNoCancelLabels(ToWx("中止(&A)"), ToWx("再試行(&R)"), ToWx("無視(&I)"));
        break;
    default:
        dialog.SetOKLabel(ToWx("OK"));
        break;
    }
}

int WxMessageBox::Show(const CString& text, const CString& caption, unsigned style)
{
    wxWindow* parent = wxGetActiveWindow();
    if (parent != nullptr) {
        parent = wxGetTopLevelParent(parent);
    }
    // A box without a caption of its own carries the program's name.
    const wxString title =
        caption.IsEmpty() && wxTheApp != nullptr ? wxTheApp->GetAppDisplayName() : ToWx(caption);
    wxMessageDialog dialog(parent, ToWx(text), title, ToWxStyle(style));
    SetButtonLabels(dialog, style);
    // A box asked during long work waits for the user, so it shows the normal pointer.
    wxBusyCursorSuspender normalPointer;
    return ToAnswer(style, dialog.ShowModal());
}
