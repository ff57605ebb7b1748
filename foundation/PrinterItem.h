#pragma once

#include "foundation/PaperList.h"
#include "platform/CString.h"

// One printer of the machine with its papers, which are listed the first time they are asked.
class CPrinterItem : public CObject
{
  public:
    CString printerName;
    CString portName;
    CString shareName;
    CString comment;
    CString location;
    // What the printer uses unless told otherwise: paper number (0 unknown) and orientation
    // (1 portrait, 2 landscape, 0 unknown).
    int defaultPaper = 0;
    int defaultOrientation = 0;
    CPaperList paperList;

    // The paper list, filled from the printer when it is still empty.
    CPaperList& GetPapers();
};
