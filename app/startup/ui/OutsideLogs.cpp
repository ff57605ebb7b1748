#include "app/startup/ui/OutsideLogs.h"

#include "platform/FileSystem.h"

#include <cstdio>
#include <cstdlib>
#include <string>

void COutsideLogs::OpenRequested(const CString& path)
{
    Append("ZANTOBY_OPEN_LOG", path);
}

void COutsideLogs::ListShown(const CString& path)
{
    Append("ZANTOBY_PAINT_LOG", path);
}

void COutsideLogs::SplashShown()
{
    Append("ZANTOBY_PAINT_LOG", kSplashShownLine);
}

void COutsideLogs::Append(const char* variable, const CString& line)
{
    const char* log = std::getenv(variable);
    if (log == nullptr || *log == '\0') {
        return;
    }
    if (FILE* stream = FileSystem::OpenStream(FileSystem::FromNative(log), "ab")) {
        const std::string text = FileSystem::ToNative(line).string() + "\n";
        std::fwrite(text.data(), 1, text.size(), stream);
        std::fclose(stream);
    }
}
