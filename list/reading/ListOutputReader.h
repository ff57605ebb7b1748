#pragma once

#include "platform/CString.h"

class CListFileLine;
class CZantobyDoc;

// Reads the [output] section, the Web output settings, in the key names of today's layout or
// of the older layouts, which name the files and the sort entries otherwise.
class CListOutputReader
{
  public:
    // path is the list file's, whose name the older layouts take for the list page's.
    CListOutputReader(CZantobyDoc& doc, const CListFileLine& line, const CString& path)
        : m_doc(doc), m_line(line), m_path(path)
    {
    }

    void Read();
    void ReadOlder();

  private:
    void ReadWebSortEntry(bool eightFields);

    CZantobyDoc& m_doc;
    const CListFileLine& m_line;
    const CString& m_path;
};
