#include "list/ui/ListPropDlg.h"

#include "list/IListHost.h"
#include "list/ListProperties.h"
#include "list/ZantobyDoc.h"
#include "platform/MessageBox.h"
#include "platform/ui/WxText.h"

#include <wx/button.h>
#include <wx/stattext.h>

namespace {

enum : int
{
    idClose = 2,
    idTitle = 1015,
    idHelp = 1091,
    idPhotoBytes = 1090,
    idPath = 1195,
    idModified = 1197,
    idCreated = 1199,
    idRows = 1201,
    idFileSize = 1202,
    idPhotos = 1203,
};

constexpr DialogItemInfo Item(int id)
{
    return {id, 0, kDefaultColor, kDefaultColor, 0, nullptr};
}

const DialogItemInfo kItems[] = {
    Item(idPath),   Item(idTitle),      Item(idModified), Item(idCreated), Item(idRows), Item(idFileSize),
    Item(idPhotos), Item(idPhotoBytes), Item(idClose),    Item(idHelp),    Item(0),
};

} // namespace

CListPropDlg::CListPropDlg(wxWindow* parent, CZantobyDoc& doc)
    : CAnchorDialog(parent, 240, "ﾘｽﾄﾌﾟﾛﾊﾟﾃｨ", wxDefaultSize), m_doc(doc)
{
    SetClientSize(wxSize(460, 236));
    SetHelpTopic("ListPropDlg");
    auto label = [this](const char* text, int x, int y) {
        new wxStaticText(this, wxID_ANY, ToWx(text), wxPoint(x, y));
    };
    auto value = [this](int id, int x, int y, int width, long align) {
        new wxStaticText(this, id, wxString(), wxPoint(x, y), wxSize(width, 20), wxST_NO_AUTORESIZE | align);
    };
    label("ﾌｧｲﾙ名", 12, 14);
    value(idPath, 100, 14, 348, wxST_ELLIPSIZE_START);
    label("ﾀｲﾄﾙ", 12, 40);
    value(idTitle, 100, 40, 348, wxST_ELLIPSIZE_END);
    label("更新日", 12, 66);
    value(idModified, 100, 66, 200, 0);
    label("作成日", 12, 92);
    value(idCreated, 100, 92, 200, 0);
    label("ﾃﾞｰﾀ", 12, 124);
    value(idRows, 100, 124, 90, wxALIGN_RIGHT);
    label("行", 196, 124);
    value(idFileSize, 230, 124, 120, wxALIGN_RIGHT);
    label("ﾊﾞｲﾄ", 356, 124);
    label("写真ﾌｧｲﾙ", 12, 150);
    value(idPhotos, 100, 150, 90, wxALIGN_RIGHT);
    label("枚", 196, 150);
    value(idPhotoBytes, 230, 150, 120, wxALIGN_RIGHT);
    label("ﾊﾞｲﾄ", 356, 150);
    new wxButton(this, idHelp, ToWx("ﾍﾙﾌﾟ(&H)"), wxPoint(12, 196), wxSize(84, 28));
    new wxButton(this, idClose, ToWx("閉じる(&C)"), wxPoint(364, 196), wxSize(84, 28));
    SetEscapeId(idClose);
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { EndModal(IDCANCEL); }, idClose);
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { m_doc.Host().ShowHelpPage(GetHelpTopic()); }, idHelp);
}

bool CListPropDlg::OnInitDialog()
{
    SetAnchorTable(kItems, false);
    CListProperties facts;
    facts.Collect(m_doc);
    SetItemText(idPath, facts.path);
    SetItemText(idTitle, facts.title);
    SetItemText(idModified, facts.modified);
    SetItemText(idCreated, facts.created);
    SetItemText(idRows, facts.rows);
    SetItemText(idFileSize, facts.fileSize);
    SetItemText(idPhotos, facts.photos);
    SetItemText(idPhotoBytes, facts.photoBytes);
    return true;
}
