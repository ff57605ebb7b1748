#include "platform/ui/testing/GtkTipProbe.h"

#include <gtk/gtk.h>

#include <cstring>

namespace {

// Tooltips live in a top-level window of a type of GTK's own; the one mapped, or null.
GtkWidget* ShownTipWindow()
{
    GtkWidget* shown = nullptr;
    GList* windows = gtk_window_list_toplevels();
    for (GList* node = windows; node != nullptr; node = node->next) {
        auto* window = static_cast<GtkWidget*>(node->data);
        if (std::strcmp(G_OBJECT_TYPE_NAME(window), "GtkTooltipWindow") == 0 &&
            gtk_widget_get_mapped(window)) {
            shown = window;
        }
    }
    g_list_free(windows);
    return shown;
}

// The text of the first label inside the widget.
std::string LabelText(GtkWidget* widget)
{
    if (GTK_IS_LABEL(widget)) {
        return gtk_label_get_text(GTK_LABEL(widget));
    }
    std::string text;
    if (GTK_IS_CONTAINER(widget)) {
        GList* children = gtk_container_get_children(GTK_CONTAINER(widget));
        for (GList* node = children; node != nullptr && text.empty(); node = node->next) {
            text = LabelText(static_cast<GtkWidget*>(node->data));
        }
        g_list_free(children);
    }
    return text;
}

} // namespace

bool GtkTipProbe::AnyShown()
{
    return ShownTipWindow() != nullptr;
}

std::string GtkTipProbe::ShownText()
{
    GtkWidget* window = ShownTipWindow();
    return window != nullptr ? LabelText(window) : std::string();
}
