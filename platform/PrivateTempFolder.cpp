#include "platform/PrivateTempFolder.h"

#include "platform/FileSystem.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <stdexcept>
#include <string>
#include <unistd.h>

const CString& PrivateTempFolder::Get()
{
    static PrivateTempFolder folder;
    return folder.m_path;
}

PrivateTempFolder::PrivateTempFolder()
{
    const char* bases[] = {std::getenv("TMPDIR"), "/tmp"};
    for (const char* base : bases) {
        if (base == nullptr || base[0] != '/') {
            continue;
        }
        std::string pattern = std::string(base) + "/zantoby-XXXXXX";
        if (mkdtemp(pattern.data()) != nullptr) {
            m_path = FileSystem::FromNative(pattern) + "/";
            m_owner = static_cast<int>(getpid());
            return;
        }
    }
    throw std::runtime_error(std::string("cannot create a temporary folder: ") + std::strerror(errno));
}

PrivateTempFolder::~PrivateTempFolder()
{
    if (m_owner == static_cast<int>(getpid())) {
        std::error_code ignored;
        std::filesystem::remove_all(FileSystem::ToNative(m_path), ignored);
    }
}
