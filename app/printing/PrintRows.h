#pragma once

class CZantobyDoc;

// Which rows of a list print: display rows that hold a row record in use.
class CPrintRows
{
  public:
    // The row record shown at the display row, -1 when there is none in use there.
    static int RecordOf(const CZantobyDoc& doc, int displayRow);
    // Display rows up to the last one with a record, leaving out the new-row line.
    static int CountListRows(const CZantobyDoc& doc);
};
