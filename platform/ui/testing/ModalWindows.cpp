#include "platform/ui/testing/ModalWindows.h"

#include <wx/dialog.h>
#include <wx/toplevel.h>

#include <gtk/gtk.h>

std::vector<GtkWidget*> ModalWindows::Shown()
{
    std::vector<GtkWidget*> found;
    GList* windows = gtk_window_list_toplevels();
    for (GList* node = windows; node != nullptr; node = node->next) {
        if (gtk_window_get_modal(GTK_WINDOW(node->data)) && gtk_widget_get_mapped(GTK_WIDGET(node->data))) {
            found.push_back(GTK_WIDGET(node->data));
        }
    }
    g_list_free(windows);
    return found;
}

void ModalWindows::CancelAll()
{
    for (GtkWidget* shown : Shown()) {
        // Message boxes and file choosers run GTK's own dialog loop.
        if (GTK_IS_DIALOG(shown)) {
            gtk_dialog_response(GTK_DIALOG(shown), GTK_RESPONSE_CANCEL);
            continue;
        }
        for (wxWindow* window : wxTopLevelWindows) {
            auto* dialog = dynamic_cast<wxDialog*>(window);
            if (dialog != nullptr && dialog->GetHandle() == shown && dialog->IsModal()) {
                dialog->EndModal(wxID_CANCEL);
            }
        }
    }
}
