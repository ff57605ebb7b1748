#include "app/settings/VersionInfo.h"

#include "ZantobyVersion.h"

namespace {

constexpr CVersionInfo kCompiled(ZANTOBY_VERSION_MAJOR, ZANTOBY_VERSION_MINOR, ZANTOBY_VERSION_PATCH,
                                 ZANTOBY_VERSION_TWEAK);

// The list reader takes files stamped 210799 or lower for the older layouts.
static_assert(kCompiled.GetVersionNumber() >= 210800, "the program's version must not fall below 2.1.8.0");

} // namespace

CVersionInfo CVersionInfo::Compiled()
{
    return kCompiled;
}

CString CVersionInfo::GetVersionString() const
{
    CString text;
    text.Format("%d.%d%02d.%d", m_major, m_minor, m_patch, m_tweak);
    return text;
}
