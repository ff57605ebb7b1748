#include "foundation/PrinterList.h"

#include "foundation/PaperCodes.h"
#include "platform/Cp932.h"
#include "platform/MessageBox.h"
#include "platform/PrintSpooler.h"

bool CPrinterList::EnumPrinters()
{
    RemoveAll();
    std::vector<PrintSpooler::Printer> printers;
    const bool answered = PrintSpooler::Current().ListPrinters(printers);
    if (!printers.empty()) {
        CPrinterItem* items = CreateBlock<CPrinterItem>(static_cast<int>(printers.size()));
        for (size_t i = 0; i < printers.size(); ++i) {
            const PrintSpooler::Printer& printer = printers[i];
            CPrinterItem& item = items[i];
            item.printerName = Cp932::FromUtf8(printer.name);
            item.portName = Cp932::FromUtf8(printer.port);
            item.shareName = Cp932::FromUtf8(printer.shareName);
            item.comment = Cp932::FromUtf8(printer.comment);
            item.location = Cp932::FromUtf8(printer.location);
            item.defaultPaper = CPaperCodes::FromMedia(CString(printer.defaultMedia), 0, 0);
            item.defaultOrientation = printer.defaultOrientation;
        }
    }
    if (!answered) {
        ShowMessageBox("ﾌﾟﾘﾝﾀ一覧が取得できませんでした", "", MB_OK | MB_ICONHAND);
    }
    return answered;
}

int CPrinterList::FindPrinter(const CString& name) const
{
    for (int i = 0; i < GetSize(); ++i) {
        if (GetItem(i)->printerName == name) {
            return i;
        }
    }
    return -1;
}
