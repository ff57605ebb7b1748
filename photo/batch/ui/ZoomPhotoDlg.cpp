#include "photo/batch/ui/ZoomPhotoDlg.h"

#include "photo/batch/ui/PhotoFrame.h"
#include "platform/ui/WxText.h"

#include <wx/button.h>
#include <wx/stattext.h>

namespace {

enum : int
{
    idClose = 2,
    idPicture = 1006,
    idSize = 1041,
    idHelp = 1091,
};

const DialogItemInfo kItems[] = {
    {idPicture, DIF_SIZE_RIGHT | DIF_SIZE_BOTTOM, kDefaultColor, kDefaultColor, 0, nullptr},
    {idSize, DIF_MOVE_BOTTOM | DIF_SIZE_RIGHT, kDefaultColor, kDefaultColor, 0, nullptr},
    {idHelp, DIF_MOVE_RIGHT | DIF_MOVE_BOTTOM, kDefaultColor, kDefaultColor, 0, "ﾍﾙﾌﾟを表示します"},
    {idClose, DIF_MOVE_RIGHT | DIF_MOVE_BOTTOM, kDefaultColor, kDefaultColor, 0, "このﾀﾞｲｱﾛｸﾞを閉じます"},
    {0, 0, kDefaultColor, kDefaultColor, 0, nullptr},
};

} // namespace

CZoomPhotoDlg::CZoomPhotoDlg(const CString& path) : CListDialog(nullptr, 504, "写真の拡大表示"), m_path(path)
{
    SetHelpTopic("ZoomPhotoDlg");
    SetClientSize(wxSize(640, 520));
    m_frame = new CPhotoFrame(this, idPicture, wxPoint(8, 8), wxSize(624, 460), CPhotoFrame::Fit::Fill);
    new wxStaticText(this, idSize, ToWx("9999 * 9999"), wxPoint(8, 482), wxSize(400, 20), wxST_NO_AUTORESIZE);
    new wxButton(this, idHelp, ToWx("ﾍﾙﾌﾟ(&H)"), wxPoint(422, 476), wxSize(100, 30));
    new wxButton(this, idClose, ToWx("閉じる(&C)"), wxPoint(532, 476), wxSize(100, 30));
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { OnCancelRequest(); }, idClose);
    Bind(
        wxEVT_BUTTON,
        [this](wxCommandEvent&) {
            wxCommandEvent help(wxEVT_MENU, wxID_HELP);
            ProcessWindowEvent(help);
        },
        idHelp);
}

void CZoomPhotoDlg::Open(const CString& path)
{
    CZoomPhotoDlg dialog(path);
    dialog.DoModal();
}

bool CZoomPhotoDlg::OnInitDialog()
{
    SetAnchorTable(kItems, true);
    m_loaded = !m_path.IsEmpty() && m_photo.LoadUprightJpeg(m_path);
    if (m_loaded) {
        CString size;
        size.Format("size = %d * %d", m_photo.Width(), m_photo.Height());
        SetItemText(idSize, size);
        m_frame->SetPicture(&m_photo);
    } else {
        SetItemText(idSize, CString());
        m_frame->SetEmptyText("写真を読み込めません");
    }
    return true;
}
