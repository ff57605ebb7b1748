#include "TempFolder.h"

#include <cstdlib>
#include <filesystem>
#include <string>

TempFolder::TempFolder()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "listtest-XXXXXX").string();
    char* made = mkdtemp(pattern.data());
    m_path = CString(made != nullptr ? std::string(made) + "/" : std::string());
}

TempFolder::~TempFolder()
{
    std::error_code error;
    std::filesystem::remove_all(m_path.str(), error);
}

int TempFolder::CountFiles(const char* prefix) const
{
    int count = 0;
    std::string start(prefix);
    for (const auto& entry : std::filesystem::directory_iterator(m_path.str())) {
        if (entry.path().filename().string().rfind(start, 0) == 0) {
            ++count;
        }
    }
    return count;
}
