#include "app/startup/SampleCopy.h"

#include "platform/FileSystem.h"
#include "platform/SpecialFolders.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace fs = std::filesystem;

CString CSampleCopy::GetUserFolder()
{
    return SpecialFolders::GetDataHome() + "/zantoby/Sample";
}

CString CSampleCopy::Prepare() const
{
    if (!FileSystem::IsDirectory(m_programFolder)) {
        return m_programFolder;
    }
    return IsCurrent() || MakeAnew() ? m_copyFolder : m_programFolder;
}

bool CSampleCopy::IsCurrent() const
{
    std::ifstream file(FileSystem::ToNative(m_copyFolder + "/" + kVersionFile), std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return file && text.str() == m_version.GetString();
}

bool CSampleCopy::MakeAnew() const
{
    const fs::path copy = FileSystem::ToNative(m_copyFolder);
    std::error_code error;
    fs::create_directories(copy.parent_path(), error);
    // The new copy is made whole beside the old one and only then takes its place, so that a
    // copy cut short never stands where the samples are looked for.
    std::string made = (copy.parent_path() / (copy.filename().string() + ".XXXXXX")).string();
    if (mkdtemp(made.data()) == nullptr) {
        return false;
    }
    const fs::path fresh = made;
    fs::copy(FileSystem::ToNative(m_programFolder), fresh, fs::copy_options::recursive, error);
    // The copy is the user's to change, whatever the installed files' modes were.
    for (fs::recursive_directory_iterator entry(fresh, error), end; !error && entry != end;
         entry.increment(error)) {
        fs::permissions(entry->path(), fs::perms::owner_read | fs::perms::owner_write, fs::perm_options::add,
                        error);
    }
    if (!error) {
        std::ofstream stamp(fresh / kVersionFile, std::ios::binary);
        stamp << m_version.GetString();
        stamp.close();
        error = stamp ? std::error_code() : std::make_error_code(std::errc::io_error);
    }
    if (!error) {
        fs::remove_all(copy, error);
    }
    if (!error) {
        fs::rename(fresh, copy, error);
    }
    if (error) {
        std::error_code ignored;
        fs::remove_all(fresh, ignored);
        return false;
    }
    return true;
}
