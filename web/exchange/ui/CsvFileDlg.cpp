#include "web/exchange/ui/CsvFileDlg.h"

#include "list/IListHost.h"
#include "list/ZantobyDoc.h"
#include "foundation/ui/ChosenPath.h"
#include "platform/ui/FileDialogFilter.h"
#include "platform/ui/WxText.h"

namespace {

// All files: "*" matches names without a dot too.
constexpr const char* kFilter = "ﾃｷｽﾄﾌｧｲﾙ(*.csv;*.txt)|*.csv;*.txt|全てのﾌｧｲﾙ(*.*)|*";

} // namespace

CCsvFileDlg::CCsvFileDlg(wxWindow* parent, const char* title, long style, const char* helpTopic,
                         ExtraControlCreatorFunction createOptions)
    // A save dialog keeps plain patterns: it gives a typed name the pattern's extension.
    : wxFileDialog(parent, ToWx(title), wxEmptyString, wxEmptyString,
                   (style & wxFD_SAVE) != 0 ? ToWx(kFilter) : FileDialogFilter(kFilter), style),
      m_helpTopic(helpTopic)
{
    SetExtraControlCreator(createOptions);
}

bool CCsvFileDlg::ShowForList(CZantobyDoc& doc, const CString& folder, CString& path)
{
    m_doc = &doc;
    SetDirectory(ToWx(folder));
    if (ShowModal() != wxID_OK) {
        return false;
    }
    if (wxWindow* options = GetExtraControl()) {
        options->TransferDataFromWindow();
    }
    return TakeChosenPath(GetPath(), path);
}

void CCsvFileDlg::ShowHelp() const
{
    if (m_doc != nullptr) {
        m_doc->Host().ShowHelpPage(m_helpTopic);
    }
}
