#include "platform/ui/WxMessageBox.h"

#include "platform/ui/WxText.h"

#include <wx/app.h>
#include <wx/cursor.h>
#include <wx/msgdlg.h>
#include <wx/toplevel.h>

#include <gtk/gtk.h>

namespace {

// The window manager draws a box's caption in its frame's title bar, beside the frame's icon and
// buttons, and cuts what does not fit. GTK sizes a message box by its text alone, so a short
// text would cut the caption: the box is made as wide as the caption in a bold face of the
// desktop's own font, with room for four buttons of the title's height.
gboolean WidenToCaption(GSignalInvocationHint*, guint, const GValue* values, gpointer)
{
    auto* widget = static_cast<GtkWidget*>(g_value_get_object(&values[0]));
    if (!GTK_IS_MESSAGE_DIALOG(widget)) {
        return TRUE;
    }
    const gchar* caption = gtk_window_get_title(GTK_WINDOW(widget));
    if (caption == nullptr || *caption == '\0') {
        return TRUE;
    }
    constexpr int kFrameButtons = 4;
    constexpr int kButtonPadding = 8;
    PangoLayout* layout = gtk_widget_create_pango_layout(widget, caption);
    PangoFontDescription* font =
        pango_font_description_copy(pango_context_get_font_description(pango_layout_get_context(layout)));
    pango_font_description_set_weight(font, PANGO_WEIGHT_BOLD);
    pango_layout_set_font_description(layout, font);
    pango_font_description_free(font);
    int width = 0;
    int height = 0;
    pango_layout_get_pixel_size(layout, &width, &height);
    g_object_unref(layout);
    const int wanted = width + kFrameButtons * (height + kButtonPadding) + 2 * kButtonPadding;
    int requested = -1;
    int requestedHeight = -1;
    gtk_widget_get_size_request(widget, &requested, &requestedHeight);
    if (requested < wanted) {
        gtk_widget_set_size_request(widget, wanted, requestedHeight);
    }
    return TRUE;
}

// Every message box is widened as GTK makes it ready for the screen, before it takes its size.
void WidenBoxesToTheirCaptions()
{
    [[maybe_unused]] static const gulong hook = g_signal_add_emission_hook(
        g_signal_lookup("realize", GTK_TYPE_WIDGET), 0, WidenToCaption, nullptr, nullptr);
}

} // namespace

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
    WidenBoxesToTheirCaptions();
    wxMessageDialog dialog(parent, ToWx(text), title, ToWxStyle(style));
    SetButtonLabels(dialog, style);
    // A box asked during long work waits for the user, so it shows the normal pointer.
    wxBusyCursorSuspender normalPointer;
    return ToAnswer(style, dialog.ShowModal());
}
