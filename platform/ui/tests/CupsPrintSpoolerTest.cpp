#include "platform/ui/CupsPrintSpooler.h"

#include <gtest/gtest.h>

#include <cstdlib>

TEST(CupsPrintSpooler, AnUnknownPrinterHasNoPapers)
{
    // Point CUPS at a server that is not there, so the test never depends on the machine.
    setenv("CUPS_SERVER", "/nonexistent/cups.sock", 1);
    CupsPrintSpooler spooler;
    std::vector<PrintSpooler::Printer> printers{{}};
    EXPECT_TRUE(spooler.ListPrinters(printers));
    EXPECT_TRUE(printers.empty());
    std::vector<PrintSpooler::Media> media{{}};
    spooler.ListMedia("no-such-printer", media);
    EXPECT_TRUE(media.empty());
    EXPECT_EQ(spooler.GetDefaultPrinter(), "");
}
