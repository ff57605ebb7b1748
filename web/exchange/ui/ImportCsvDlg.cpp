#include "web/exchange/ui/ImportCsvDlg.h"

#include "foundation/PathName.h"
#include "foundation/ui/MessagePump.h"
#include "list/IListHost.h"
#include "list/IListView.h"
#include "list/ZantobyDoc.h"
#include "platform/MessageBox.h"
#include "platform/ui/WxText.h"
#include "web/exchange/ICsvProfile.h"
#include "web/exchange/ui/ImportCsvOptions.h"

#include <wx/utils.h>

#include <exception>

namespace {

constexpr const char* kHelpTopic = "ImportCsvDlg";

} // namespace

CImportCsvDlg::CImportCsvDlg(wxWindow* parent)
    : CCsvFileDlg(parent, "ＣＳＶファイルのインポート", wxFD_OPEN, kHelpTopic, &CImportCsvDlg::CreateOptions)
{
}

wxWindow* CImportCsvDlg::CreateOptions(wxWindow* dialog)
{
    auto* self = dynamic_cast<CImportCsvDlg*>(dialog);
    if (self == nullptr) {
        return nullptr;
    }
    return new CImportCsvOptions(self, self->m_settings, [self] { self->ShowHelp(); });
}

int CImportCsvDlg::Run(wxWindow* parent, CZantobyDoc& doc, ICsvProfile& profile)
{
    int result = IDCANCEL;
    CCsvImporter::LeftOut leftOut;
    doc.UpdateAllViews(nullptr, kHintDisableGrid);
    try {
        CImportCsvDlg dialog(parent);
        result = dialog.RunImport(doc, profile);
        leftOut = dialog.m_leftOut;
        doc.UpdateAllViews(nullptr, kHintColumnsAndRows);
    } catch (const std::exception&) {
        doc.Host().ReportError(nullptr, kHelpTopic, __LINE__);
    }
    doc.UpdateAllViews(nullptr, kHintEnableGrid);
    CCsvImporter::ReportLeftOut(doc.Host(), leftOut);
    return result;
}

int CImportCsvDlg::RunImport(CZantobyDoc& doc, ICsvProfile& profile)
{
    profile.LoadImportCsvSettings(m_settings);
    CString path;
    if (!ShowForList(doc, m_settings.folder, path)) {
        return IDCANCEL;
    }
    m_leftOut = ImportCsv(doc, m_settings, path);
    m_settings.folder = GetFolderOfPath(path);
    profile.SaveImportCsvSettings(m_settings);
    return IDOK;
}

CCsvImporter::LeftOut CImportCsvDlg::ImportCsv(CZantobyDoc& doc, const ImportCsvSettings& settings,
                                               const CString& path)
{
    wxBusyCursor wait;
    CCsvImporter importer(doc, settings);
    importer.SetPump(&CMessagePump::PumpMessages);
    importer.Import(path);
    return importer.GetLeftOut();
}
