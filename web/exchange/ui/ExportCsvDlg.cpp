#include "web/exchange/ui/ExportCsvDlg.h"

#include "app/ProfileSettings.h"
#include "foundation/PathName.h"
#include "foundation/ui/SystemServices.h"
#include "list/IListHost.h"
#include "list/ZantobyDoc.h"
#include "platform/MessageBox.h"
#include "platform/ShowCommands.h"
#include "platform/ui/WxText.h"
#include "web/exchange/CsvExporter.h"
#include "web/exchange/ui/ExportCsvOptions.h"

#include <wx/utils.h>

#include <exception>

namespace {

constexpr const char* kHelpTopic = "ExportCsvDlg";

} // namespace

CExportCsvDlg::CExportCsvDlg(wxWindow* parent)
    : CCsvFileDlg(parent, "ＣＳＶファイルのエクスポート", wxFD_SAVE | wxFD_OVERWRITE_PROMPT, kHelpTopic,
                  &CExportCsvDlg::CreateOptions)
{
}

wxWindow* CExportCsvDlg::CreateOptions(wxWindow* dialog)
{
    auto* self = dynamic_cast<CExportCsvDlg*>(dialog);
    if (self == nullptr) {
        return nullptr;
    }
    return new CExportCsvOptions(dialog, self->m_settings, [self] { self->ShowHelp(); });
}

int CExportCsvDlg::Run(wxWindow* parent, CZantobyDoc& doc, CProfileSettings& profile)
{
    try {
        CExportCsvDlg dialog(parent);
        return dialog.RunExport(doc, profile);
    } catch (const std::exception&) {
        doc.Host().ReportError(nullptr, kHelpTopic, __LINE__);
    }
    return IDCANCEL;
}

int CExportCsvDlg::RunExport(CZantobyDoc& doc, CProfileSettings& profile)
{
    profile.LoadExportCsvSettings(m_settings);
    CString path;
    do {
        if (!ShowForList(doc, m_settings.folder, path)) {
            return IDCANCEL;
        }
    } while (!CCsvExporter::ConfirmPath(path, doc.Host()));
    WriteCsv(path);
    m_settings.folder = GetFolderOfPath(path);
    profile.SaveExportCsvSettings(m_settings);
    return IDOK;
}

bool CExportCsvDlg::WriteCsv(const CString& path)
{
    IListHost& host = m_doc->Host();
    {
        wxBusyCursor wait;
        if (!CCsvExporter(*m_doc, m_settings).Write(path)) {
            return false;
        }
    }
    if (m_settings.openAfterwards) {
        CString reason = OpenWithShell(this, "open", path, CString(), CString(), SW_SHOWNORMAL);
        if (!reason.IsEmpty()) {
            host.ShowWarningMessage(30001, 0, path.GetString(), reason.GetString());
        }
    } else {
        host.ShowInfoMessage(10200, 0);
    }
    return true;
}
