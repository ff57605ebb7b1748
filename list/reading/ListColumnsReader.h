#pragma once

class CListFileLine;
class CZantobyDoc;
class ColumnRecord;

// Reads what defines a list: the [informations] section (title, sample flag) and the
// [columns] section (locked columns, each column's definition, the entries of fixed drop lists),
// in every layout.
class CListColumnsReader
{
  public:
    CListColumnsReader(CZantobyDoc& doc, const CListFileLine& line) : m_doc(doc), m_line(line) {}

    void ReadInformation();
    void ReadColumns();

  private:
    void ReadColumnLine(int index);
    void ReadColumnTypeFields(ColumnRecord& column, int first);

    CZantobyDoc& m_doc;
    const CListFileLine& m_line;
};
