#include "platform/PrintSpooler.h"

#include <utility>

namespace {

class NoPrinters : public PrintSpooler
{
  public:
    bool ListPrinters(std::vector<Printer>& printers) const override
    {
        printers.clear();
        return true;
    }
    bool ListMedia(const std::string&, std::vector<Media>& media) const override
    {
        media.clear();
        return true;
    }
    std::string GetDefaultPrinter() const override { return std::string(); }
};

std::unique_ptr<PrintSpooler>& Installed()
{
    static std::unique_ptr<PrintSpooler> spooler;
    return spooler;
}

} // namespace

const PrintSpooler& PrintSpooler::Current()
{
    static const NoPrinters none;
    return Installed() ? *Installed() : static_cast<const PrintSpooler&>(none);
}

std::unique_ptr<PrintSpooler> PrintSpooler::Install(std::unique_ptr<PrintSpooler> spooler)
{
    return std::exchange(Installed(), std::move(spooler));
}
