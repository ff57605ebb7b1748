#include "tutorial/ChmFile.h"

#include "platform/Cp932.h"
#include "platform/FileSystem.h"

#include <chm_lib.h>

namespace {

// The directory of a compiled help file names its objects in UTF-8.
bool Resolve(chmFile* file, const CString& objectPath, chmUnitInfo& unit)
{
    const std::string name = Cp932::ToUtf8(objectPath.view());
    return file != nullptr && name.size() <= CHM_MAX_PATHLEN &&
           chm_resolve_object(file, name.c_str(), &unit) == CHM_RESOLVE_SUCCESS;
}

} // namespace

bool CChmFile::Open(const CString& path)
{
    Close();
    m_file = chm_open(FileSystem::ToNative(path).c_str());
    return m_file != nullptr;
}

void CChmFile::Close()
{
    if (m_file != nullptr) {
        chm_close(m_file);
        m_file = nullptr;
    }
}

bool CChmFile::HasObject(const CString& objectPath) const
{
    chmUnitInfo unit = {};
    return Resolve(m_file, objectPath, unit);
}

bool CChmFile::ReadObject(const CString& objectPath, std::string& bytes, std::uint64_t maxSize) const
{
    bytes.clear();
    chmUnitInfo unit = {};
    if (!Resolve(m_file, objectPath, unit) || unit.length > maxSize) {
        return false;
    }
    bytes.resize(static_cast<size_t>(unit.length));
    if (unit.length == 0) {
        return true;
    }
    const LONGINT64 read = chm_retrieve_object(m_file, &unit, reinterpret_cast<unsigned char*>(bytes.data()),
                                               0, static_cast<LONGINT64>(unit.length));
    if (read != static_cast<LONGINT64>(unit.length)) {
        bytes.clear();
        return false;
    }
    return true;
}
