#include "platform/ui/testing/FilePrinter.h"

#include "platform/FileSystem.h"

#include <wx/cmndata.h>
#include <wx/gtk/print.h>

#include <gtk/gtk.h>
#include <gtk/gtkunixprint.h>

#include <string>

namespace {

gboolean TakeFilePrinter(GtkPrinter* printer, gpointer data)
{
    if (gtk_printer_accepts_pdf(printer) && gtk_printer_is_virtual(printer)) {
        *static_cast<std::string*>(data) = gtk_printer_get_name(printer);
        return TRUE;
    }
    return FALSE;
}

} // namespace

void FilePrinter::UseAlone()
{
    // Without a print server the other printers' lookup never ends, and a job waits for it.
    g_object_set(gtk_settings_get_default(), "gtk-print-backends", "file", nullptr);
}

bool FilePrinter::AimAt(wxPrintData& data, const CString& path)
{
    std::string name;
    gtk_enumerate_printers(&TakeFilePrinter, &name, nullptr, TRUE);
    if (name.empty()) {
        return false;
    }
    data.SetPrinterName(wxString::FromUTF8(name));
    data.ConvertToNative();
    auto* native = dynamic_cast<wxGtkPrintNativeData*>(data.GetNativeData());
    if (native == nullptr) {
        return false;
    }
    gchar* uri = g_filename_to_uri(FileSystem::ToNative(path).c_str(), nullptr, nullptr);
    gtk_print_settings_set(native->GetPrintConfig(), GTK_PRINT_SETTINGS_OUTPUT_URI, uri);
    const bool postScript = FileSystem::ToNative(path).extension() == ".ps";
    gtk_print_settings_set(native->GetPrintConfig(), GTK_PRINT_SETTINGS_OUTPUT_FILE_FORMAT, postScript ? "ps" : "pdf");
    g_free(uri);
    return true;
}
