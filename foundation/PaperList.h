#pragma once

#include "foundation/ObArrayEx.h"
#include "foundation/PaperItem.h"

// The papers of one printer, in the order the printer names them.
class CPaperList : public CObArrayEx
{
  public:
    // Fills the list with the printer's papers; a printer without papers leaves it empty.
    // False, after a box saying so, when the print system could not be asked.
    bool EnumPapers(const CString& deviceName, const CString& port);

    CPaperItem* GetItem(int index) const { return static_cast<CPaperItem*>(GetAt(index)); }
    // Index of the paper with that number, -1 when the printer has none.
    int FindPaper(int paperId) const;
};
