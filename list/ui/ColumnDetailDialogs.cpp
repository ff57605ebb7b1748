#include "list/ui/ColumnDetailDialogs.h"

#include "list/ui/ListInfoDateDlg.h"
#include "list/ui/ListInfoMarkDlg.h"
#include "list/ui/ListInfoNumberDlg.h"
#include "list/ui/ListInfoTextDlg.h"
#include "list/ui/ListInfoYesNoDlg.h"
#include "platform/MessageBox.h"

#include <memory>

int RunColumnDetailDialog(wxWindow* parent, IListHost& host, ColumnRecord& record)
{
    std::unique_ptr<CListInfoDetailDlg> dialog;
    switch (record.type) {
    case kTypeYesNo:
        dialog = std::make_unique<CListInfoYesNoDlg>(parent, host, record);
        break;
    case kTypeText:
        dialog = std::make_unique<CListInfoTextDlg>(parent, host, record);
        break;
    case kTypeMark:
        dialog = std::make_unique<CListInfoMarkDlg>(parent, host, record);
        break;
    case kTypeNumber:
        dialog = std::make_unique<CListInfoNumberDlg>(parent, host, record);
        break;
    case kTypeDate:
        dialog = std::make_unique<CListInfoDateDlg>(parent, host, record);
        break;
    default:
        return IDCANCEL;
    }
    return dialog->DoModal() == IDOK ? IDOK : IDCANCEL;
}
