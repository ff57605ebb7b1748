#pragma once

#include <vector>

class CListFileLine;
class CZantobyDoc;

// Reads the rows of the [products] section: each row's cells by the types of the columns whose
// slots they fill, its colours, its last change and its photos, in every layout.
class CListRowsReader
{
  public:
    CListRowsReader(CZantobyDoc& doc, const CListFileLine& line) : m_doc(doc), m_line(line) {}

    // Once the columns are known, before the first row: rows find the column of each cell slot
    // through the document's map, and walk only the slots that a column uses.
    void BeginRows();
    // A row line ("r####"); a row outside the list is passed over.
    void Read();

  private:
    void ReadRow(int row);

    CZantobyDoc& m_doc;
    const CListFileLine& m_line;
    std::vector<int> m_typedSlots; // slots of the columns in use, in order
};
