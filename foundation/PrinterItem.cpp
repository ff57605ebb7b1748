#include "foundation/PrinterItem.h"

CPaperList& CPrinterItem::GetPapers()
{
    if (paperList.GetSize() == 0) {
        paperList.EnumPapers(printerName, portName);
    }
    return paperList;
}
