#pragma once

#include "platform/PrintSpooler.h"

// The printers and papers of the machine from CUPS.
class CupsPrintSpooler : public PrintSpooler
{
  public:
    bool ListPrinters(std::vector<Printer>& printers) const override;
    bool ListMedia(const std::string& printer, std::vector<Media>& media) const override;
    std::string GetDefaultPrinter() const override;
};
