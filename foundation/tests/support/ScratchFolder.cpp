#include "ScratchFolder.h"

#include "platform/FileSystem.h"
#include "platform/PrivateTempFolder.h"

#include <cstdlib>
#include <fstream>
#include <sstream>

ScratchFolder::ScratchFolder()
{
    static int counter = 0;
    m_path.Format("%sscratch%d", PrivateTempFolder::Get().GetString(), ++counter);
    std::filesystem::create_directories(FileSystem::ToNative(m_path));
    setenv("XDG_CONFIG_HOME", (m_path + "/config").GetString(), 1);
    setenv("XDG_STATE_HOME", (m_path + "/state").GetString(), 1);
    setenv("XDG_DATA_HOME", (m_path + "/data").GetString(), 1);
    setenv("HOME", (m_path + "/home").GetString(), 1);
}

void ScratchFolder::WriteBytes(const CString& path, const std::string& bytes)
{
    std::filesystem::create_directories(FileSystem::ToNative(path).parent_path());
    std::ofstream(FileSystem::ToNative(path), std::ios::binary) << bytes;
}

std::string ScratchFolder::ReadBytes(const CString& path)
{
    std::ifstream in(FileSystem::ToNative(path), std::ios::binary);
    std::stringstream buffer;
    buffer << in.rdbuf();
    return buffer.str();
}
