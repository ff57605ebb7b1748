#include "tutorial/TopicMap.h"

#include "tutorial/ChmFile.h"

CTopicMap::Result CTopicMap::Lookup(const CString& helpFile, int topic, CString& page)
{
    page.Empty();
    CChmFile chm;
    if (helpFile.IsEmpty() || !chm.Open(helpFile)) {
        return Result::NoHelpFile;
    }
    if (!m_table.IsLoaded()) {
        std::string ivb;
        if (!chm.ReadObject("/#IVB", ivb) || !m_table.Parse(ivb)) {
            return Result::TableUnreadable;
        }
    }
    std::uint32_t offset = 0;
    if (!m_table.Find(static_cast<std::uint32_t>(topic), offset)) {
        return Result::NotMapped;
    }
    std::string strings;
    if (!chm.ReadObject("/#STRINGS", strings)) {
        return Result::TableUnreadable;
    }
    if (offset >= strings.size()) {
        return Result::NotMapped;
    }
    const size_t end = strings.find('\0', offset);
    page =
        FindPageObject(chm, CString(strings.substr(offset, end == std::string::npos ? end : end - offset)));
    return page.IsEmpty() ? Result::NotMapped : Result::Found;
}

CString CTopicMap::FindPageObject(const CChmFile& chm, const CString& storedPath)
{
    // A folder of the help file is no page.
    if (storedPath.IsEmpty() || storedPath[storedPath.GetLength() - 1] == '/') {
        return CString();
    }
    CString path = storedPath[0] == '/' ? storedPath : "/" + storedPath;
    while (path.GetLength() > 1) {
        if (chm.HasObject(path)) {
            return path;
        }
        const int next = path.Find('/', 1);
        if (next < 0) {
            break;
        }
        path = path.Mid(next);
    }
    return CString();
}
