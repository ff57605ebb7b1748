#include "foundation/AppBase.h"

#include "foundation/AdoErrors.h"
#include "foundation/FileUtility.h"
#include "foundation/PathName.h"
#include "foundation/StringArrayEx.h"

#include "platform/FileSystem.h"
#include "platform/MessageBox.h"
#include "platform/SpecialFolders.h"
#include "platform/SystemText.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <exception>

namespace {

constexpr const char* kDefaultMessage = "実行時にｴﾗｰが発生しました";
constexpr const char* kSaveFailure = "ｴﾗｰﾒｯｾｰｼﾞを保存することが出来ませんでした";

CString MessageOrDefault(const char* message)
{
    return message != nullptr && message[0] != '\0' ? CString(message) : CString(kDefaultMessage);
}

} // namespace

CAppBase::CAppBase(const CString& appName) : m_appName(appName) {}

CString CAppBase::FormatErrorBoxText(const CString& message, const char* sourceFile, int line)
{
    CString text;
    text.Format("%s\n\nFILE : %s\nLINE : %d\n", message.GetString(),
                GetFileNameOfPath(sourceFile != nullptr ? sourceFile : "").GetString(), line);
    return text;
}

void CAppBase::SetIniFile(const CString& name)
{
    SetPath(name.IsEmpty() ? SpecialFolders::GetConfigHome() + "/zantoby/Zantoby.ini" : name);
}

void CAppBase::ReportError(const char* message, const char* sourceFile, int line)
{
    CString text = MessageOrDefault(message);
    ShowMessageBox(FormatErrorBoxText(text, sourceFile, line), m_appName, MB_OK | MB_ICONHAND);
    WriteErrorFile(text, GetFileNameOfPath(sourceFile != nullptr ? sourceFile : ""), line);
}

void CAppBase::ReportAdoError(const CAdoErrors& errors, const char* message, const char* sourceFile, int line)
{
    CString collected;
    int count = errors.GetCount();
    for (int i = 0; i < count; ++i) {
        collected.AppendFormat("\nADO Error : %x", static_cast<unsigned>(errors.GetNumber(i)));
        collected += "\n";
        collected += errors.GetDescription(i);
    }
    CString text = MessageOrDefault(message);
    ShowMessageBox(FormatErrorBoxText(text, sourceFile, line) + collected, m_appName, MB_OK | MB_ICONHAND);
    WriteErrorFile(text + "\n" + collected, GetFileNameOfPath(sourceFile != nullptr ? sourceFile : ""), line);
}

void CAppBase::WriteErrorFile(const char* message, const char* fileName, int line)
{
    if (!m_writeErrorFiles) {
        return;
    }
    CString folder = GetErrorFolder();
    std::error_code ignored;
    std::filesystem::create_directories(FileSystem::ToNative(folder), ignored);

    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char stamp[32];
    std::strftime(stamp, sizeof(stamp), "%Y-%m-%d %H-%M-%S", &local);

    CString text;
    text.Format("file=%s\nline=%d\n", fileName != nullptr ? fileName : "", line);
    text += message != nullptr ? message : "";
    text.Replace("\n", "\r\n");

    // Created exclusively, so that a report never replaces another one of the same second.
    CString path;
    FILE* file = nullptr;
    for (int counter = 1; file == nullptr && counter < 1000; ++counter) {
        path.Format("%s/%s", folder.GetString(), stamp);
        if (counter > 1) {
            path.AppendFormat("_%02d", counter);
        }
        path += ".err";
        file = FileSystem::OpenStream(path, "wbx");
        if (file == nullptr && errno != EEXIST) {
            break;
        }
    }
    if (file == nullptr) {
        ShowSaveFailure();
        return;
    }
    bool written =
        std::fwrite(text.GetString(), 1, text.GetLength(), file) == static_cast<size_t>(text.GetLength());
    if (std::fclose(file) != 0 || !written) {
        std::remove(FileSystem::ToNative(path).c_str());
        ShowSaveFailure();
    }
}

void CAppBase::PurgeErrorFiles(int days, int keep)
{
    try {
        CString pattern = GetErrorFolder() + "/*.err";
        std::time_t now = std::time(nullptr);
        std::tm cutoff{};
        localtime_r(&now, &cutoff);
        cutoff.tm_hour = cutoff.tm_min = cutoff.tm_sec = 0;
        cutoff.tm_mday -= days;
        cutoff.tm_isdst = -1;
        DeleteFiles(pattern, std::mktime(&cutoff));

        // The names are times, so the newest sort first.
        CStringArrayEx names;
        ListFiles(pattern, &names, false);
        names.Sort(true);
        for (int i = std::max(keep, 0); i < names.GetSize(); ++i) {
            DeletePath(GetErrorFolder() + "/" + names[i]);
        }
    } catch (const std::exception&) {
        ShowSaveFailure();
    }
}

CString CAppBase::GetErrorFolder()
{
    return SpecialFolders::GetStateHome() + "/zantoby";
}

CString CAppBase::GetLastErrorText()
{
    int error = errno;
    return error == 0 ? CString() : SystemErrorText(error);
}

void CAppBase::ShowSaveFailure()
{
    ShowMessageBox(kSaveFailure, m_appName, MB_OK | MB_ICONHAND);
}
