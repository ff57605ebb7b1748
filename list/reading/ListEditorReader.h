#pragma once

class CListFileLine;
class CZantobyDoc;

// Reads the [editor] section: where the cursor and the splitter were, the photo sizes, the sort
// keys, the input check switches and the backup folder.
class CListEditorReader
{
  public:
    CListEditorReader(CZantobyDoc& doc, const CListFileLine& line) : m_doc(doc), m_line(line) {}

    void Read();

  private:
    CZantobyDoc& m_doc;
    const CListFileLine& m_line;
};
