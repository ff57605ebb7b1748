#pragma once

#include <memory>
#include <string>
#include <vector>

// The printers of the machine as the print system reports them. The window layer installs the
// system's spooler at start; until then, and in tests without one, there are no printers.
class PrintSpooler
{
  public:
    struct Printer
    {
        std::string name; // UTF-8, as the print system names it
        std::string port; // device address
        std::string shareName;
        std::string comment;
        std::string location;
        std::string defaultMedia;   // standard media name of the default paper, may be empty
        int defaultOrientation = 0; // 1 portrait, 2 landscape, 0 unknown
    };
    struct Media
    {
        std::string name;        // standard media name, such as "iso_a4_210x297mm"
        std::string displayName; // UTF-8 name for people, may be empty
        int width = 0;           // hundredths of a millimetre
        int length = 0;
    };

    virtual ~PrintSpooler() = default;
    // False when the print system could not be asked; printers then holds what was found.
    virtual bool ListPrinters(std::vector<Printer>& printers) const = 0;
    virtual bool ListMedia(const std::string& printer, std::vector<Media>& media) const = 0;
    // The default printer's name, empty when there is none.
    virtual std::string GetDefaultPrinter() const = 0;

    // The installed spooler; one without printers when none was installed.
    static const PrintSpooler& Current();
    // Installs a spooler and returns the previous one (null for the empty default).
    static std::unique_ptr<PrintSpooler> Install(std::unique_ptr<PrintSpooler> spooler);
};
