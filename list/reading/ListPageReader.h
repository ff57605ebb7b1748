#pragma once

class CListFileLine;
class CZantobyDoc;
struct HeaderFooterSettings;

// Reads the [page] section: the print settings of the list and the sheet pages, their columns,
// headers, footers and margins.
class CListPageReader
{
  public:
    CListPageReader(CZantobyDoc& doc, const CListFileLine& line) : m_doc(doc), m_line(line) {}

    void Read();

  private:
    void ReadHeaderFooter(HeaderFooterSettings& settings);

    CZantobyDoc& m_doc;
    const CListFileLine& m_line;
};
