#include "tutorial/ChmReader.h"

#include "platform/Cp932.h"

#include <chm_lib.h>

#include <cstring>

bool CChmReader::Open(const std::string& nativePath)
{
    Close();
    if (m_directory.Open(nativePath)) {
        m_file = chm_open(nativePath.c_str());
    }
    return m_file != nullptr;
}

void CChmReader::Close()
{
    if (m_file != nullptr) {
        chm_close(m_file);
        m_file = nullptr;
    }
    m_directory.Close();
}

// The directory of a compiled help file names its objects in UTF-8; the first section holds
// them as they are, the second compressed.
bool CChmReader::Find(const CString& objectPath, CChmDirectory::Entry& entry) const
{
    const std::string name = Cp932::ToUtf8(objectPath.view());
    return m_file != nullptr && name.size() <= CChmDirectory::kMaxPath &&
           m_directory.Find(name, entry) == CChmDirectory::Found::Yes && entry.section <= CHM_COMPRESSED;
}

bool CChmReader::HasObject(const CString& objectPath) const
{
    CChmDirectory::Entry entry;
    return Find(objectPath, entry);
}

bool CChmReader::ReadObject(const CString& objectPath, std::string& bytes, std::uint64_t maxSize) const
{
    bytes.clear();
    CChmDirectory::Entry entry;
    if (!Find(objectPath, entry) || entry.length > maxSize) {
        return false;
    }
    chmUnitInfo unit = {};
    unit.start = entry.start;
    unit.length = entry.length;
    unit.space = static_cast<int>(entry.section);
    bytes.resize(static_cast<size_t>(unit.length));
    if (unit.length != 0 &&
        chm_retrieve_object(m_file, &unit, reinterpret_cast<unsigned char*>(bytes.data()), 0,
                            static_cast<LONGINT64>(unit.length)) != static_cast<LONGINT64>(unit.length)) {
        bytes.clear();
        return false;
    }
    return true;
}
