#include "app/startup/ZantobyAppCore.h"

#include "foundation/FileUtility.h"
#include "foundation/PathName.h"
#include "platform/MessageBox.h"

CZantobyAppCore::CZantobyAppCore(CVersionInfo version) : CAppBase(kProductName), m_messages(version) {}

void CZantobyAppCore::ReportError(const char* message, const char* sourceFile, int line)
{
    // Taken first, before anything below can change the pending error.
    CString systemText = GetLastErrorText();

    CString caption;
    caption.Format("%s %s", kProductName, GetVersionString().GetString());

    CString text = message != nullptr && message[0] != '\0'
                       ? CString(message)
                       : CString("実行時に予期しないエラーが発生しました");
    if (!systemText.IsEmpty()) {
        text += "\n\n";
        text += systemText;
    }
    CString fileName = GetFileNameOfPath(sourceFile != nullptr ? sourceFile : "");

    ShowMessageBox(FormatErrorBoxText(text, sourceFile, line), caption,
                   MB_OK | MB_ICONHAND | MB_TASKMODAL | MB_TOPMOST);
    WriteErrorFile(text, fileName, line);
}

CString CZantobyAppCore::GetResourceFolder()
{
    const CString program = GetProgramPath();
    const CString installed = GetInstalledDataFolder(program);
    return installed.IsEmpty() ? GetFolderOfPath(GetFolderOfPath(program)) + "/res" : installed;
}
