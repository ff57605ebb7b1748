#include "app/settings/ErrorLogText.h"

#include "foundation/AppBase.h"
#include "foundation/FileStatus.h"
#include "foundation/FileUtility.h"
#include "foundation/StringArrayEx.h"
#include "platform/StdioFile.h"

#include <ctime>

CString CErrorLogText::Build(const CString& folder)
{
    CStringArrayEx names;
    ListFiles(folder + "/*.err", &names, false);
    // The names are the times of the reports.
    names.Sort(true);
    CString text;
    for (const CString& name : names) {
        const CString path = folder + "/" + name;
        CStdioFile file;
        CFileStatus status;
        if (!GetFileStatus(path, status) || !file.Open(path, CFile::modeRead | CFile::typeText)) {
            continue;
        }
        std::tm local = {};
        localtime_r(&status.m_mtime, &local);
        char stamp[32];
        std::strftime(stamp, sizeof(stamp), "%Y/%m/%d %H:%M:%S", &local);
        text.AppendFormat("◆%s\r\n", stamp);
        CString line;
        while (file.ReadString(line)) {
            text += line + "\r\n";
        }
        text += "\r\n";
    }
    return text;
}

void CErrorLogText::Clear(CAppBase& app)
{
    app.PurgeErrorFiles(0, 0);
}
