#include "platform/ui/CupsPrintSpooler.h"

#include <cups/cups.h>

namespace {

std::string Option(const cups_dest_t& dest, const char* name)
{
    const char* value = cupsGetOption(name, dest.num_options, dest.options);
    return value != nullptr ? value : "";
}

// No running print service means no printers, which is no failure.
bool Answered()
{
    const ipp_status_t status = cupsLastError();
    return status <= IPP_STATUS_OK_EVENTS_COMPLETE || status == IPP_STATUS_ERROR_SERVICE_UNAVAILABLE ||
           status == IPP_STATUS_ERROR_NOT_FOUND;
}

} // namespace

bool CupsPrintSpooler::ListPrinters(std::vector<Printer>& printers) const
{
    printers.clear();
    cups_dest_t* dests = nullptr;
    const int count = cupsGetDests2(CUPS_HTTP_DEFAULT, &dests);
    for (int i = 0; i < count; ++i) {
        const cups_dest_t& dest = dests[i];
        Printer printer;
        printer.name = dest.instance != nullptr ? std::string(dest.name) + "/" + dest.instance : dest.name;
        printer.port = Option(dest, "device-uri");
        printer.comment = Option(dest, "printer-info");
        printer.location = Option(dest, "printer-location");
        printer.defaultMedia = Option(dest, "media");
        const std::string orientation = Option(dest, "orientation-requested");
        printer.defaultOrientation = orientation == "3" ? 1 : orientation == "4" ? 2 : 0;
        printers.push_back(std::move(printer));
    }
    cupsFreeDests(count, dests);
    return count > 0 || Answered();
}

bool CupsPrintSpooler::ListMedia(const std::string& printer, std::vector<Media>& media) const
{
    media.clear();
    const size_t slash = printer.find('/');
    const std::string name = printer.substr(0, slash);
    const std::string instance = slash == std::string::npos ? "" : printer.substr(slash + 1);
    cups_dest_t* dest =
        cupsGetNamedDest(CUPS_HTTP_DEFAULT, name.c_str(), instance.empty() ? nullptr : instance.c_str());
    if (dest == nullptr) {
        return Answered();
    }
    bool done = false;
    if (cups_dinfo_t* info = cupsCopyDestInfo(CUPS_HTTP_DEFAULT, dest)) {
        const int count = cupsGetDestMediaCount(CUPS_HTTP_DEFAULT, dest, info, 0);
        for (int i = 0; i < count; ++i) {
            cups_size_t size;
            if (cupsGetDestMediaByIndex(CUPS_HTTP_DEFAULT, dest, info, i, 0, &size) == 0) {
                continue;
            }
            const char* shown = cupsLocalizeDestMedia(CUPS_HTTP_DEFAULT, dest, info, 0, &size);
            media.push_back({size.media, shown != nullptr ? shown : "", size.width, size.length});
        }
        cupsFreeDestInfo(info);
        done = true;
    }
    cupsFreeDests(1, dest);
    return done || Answered();
}

std::string CupsPrintSpooler::GetDefaultPrinter() const
{
    cups_dest_t* dest = cupsGetNamedDest(CUPS_HTTP_DEFAULT, nullptr, nullptr);
    if (dest == nullptr) {
        return std::string();
    }
    std::string name =
        dest->instance != nullptr ? std::string(dest->name) + "/" + dest->instance : dest->name;
    cupsFreeDests(1, dest);
    return name;
}
