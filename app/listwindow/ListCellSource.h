#pragma once

#include "grid/CellDataSource.h"
#include "grid/MemoryDataSource.h"

class CZantobyDoc;

// The list grid's cells read where the document keeps them: a line's text and colours come from
// the row the display order puts there, formatted as the grid shows them, so the grid holds no
// copy of the list. What the grid writes itself (its headings, and a cell it has just edited
// until the document's line is filled again) is held on top and read first.
class CListCellSource : public CCellDataSource
{
  public:
    // Null cuts the link: every line then reads as empty.
    void SetDocument(const CZantobyDoc* doc) { m_doc = doc; }

    // The document holds the line again: what the grid wrote on it is dropped.
    void ForgetLine(int line);
    // The same for every line from first on; the headings stay.
    void ForgetLinesFrom(int first);

    int GetRowCount() override;
    // A line goes in or out: what is held below it moves with it. Always done (0), since the
    // document has already moved its lines.
    int InsertRow(int row) override;
    int DeleteRow(int row) override;
    int DeleteCell(int column, int row) override { return m_held.DeleteCell(column, row); }
    int DeleteAll() override { return m_held.DeleteAll(); }
    int GetCell(int column, int row, CCellRecord& record) override;
    int SetCell(int column, int row, const CCellRecord& record) override
    {
        return m_held.SetCell(column, row, record);
    }
    int FindTextBefore(int* column, int row) override;

  private:
    // The document's value of a data cell into record; false when the line shows no row or the
    // column no data.
    bool ReadDocumentCell(int column, int line, CCellRecord& record) const;

    const CZantobyDoc* m_doc = nullptr;
    CMemoryDataSource m_held;
};
