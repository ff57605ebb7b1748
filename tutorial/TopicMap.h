#pragma once

#include "tutorial/TopicTable.h"

#include "platform/CString.h"

class CChmFile;

// Finds the page of a topic id in a compiled help file: its "#IVB" table is read on the first
// lookup and kept, the page path is read from its "#STRINGS" table, and that path is traced to
// the page inside the file.
class CTopicMap
{
  public:
    enum class Result
    {
        Found,
        // No help file is set, or it does not open.
        NoHelpFile,
        // The help file's "#IVB" or "#STRINGS" table cannot be read (a damaged file); the next
        // lookup tries again.
        TableUnreadable,
        // The topic is not in the table, or its page is not in the help file.
        NotMapped,
    };

    // page: the page's object path inside the help file ("/html/start.htm").
    Result Lookup(const CString& helpFile, int topic, CString& page);
    // Forgets the table, as for another help file.
    void Reset() { m_table = CTopicTable(); }

    // The object of a page path from "#STRINGS". The help compiler of the platform writes the
    // path inside the file ("html/start.htm"); chmcmd writes the page's source path at compile
    // time ("/home/me/help/html/start.htm"), so leading folders are dropped one by one until
    // an object of the file matches. Empty when none does.
    static CString FindPageObject(const CChmFile& chm, const CString& storedPath);

  private:
    CTopicTable m_table;
};
