#pragma once

#include "platform/CString.h"

#include <vector>

class CZantobyDoc;

// Mends the cell slots of a damaged file's columns: a column whose slot is outside the row or
// taken by another column gets the lowest free slot, and each move is told in the repairs.
class CListColumnSlotRepair
{
  public:
    CListColumnSlotRepair(CZantobyDoc& doc, std::vector<CString>& repairs) : m_doc(doc), m_repairs(repairs) {}

    void Run();

  private:
    CZantobyDoc& m_doc;
    std::vector<CString>& m_repairs;
};
