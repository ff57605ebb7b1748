#include "photo/batch/ui/InsertPhotoPane.h"

#include "photo/batch/ui/PhotoFrame.h"
#include "platform/ui/WxText.h"

#include <wx/button.h>
#include <wx/filedlg.h>
#include <wx/stattext.h>

namespace {

enum : int
{
    idPicture = 1006,
    idBytes = 1042,
    idDate = 1043,
    idSize = 1055,
    idHelp = 1091,
    idTimer = 256,
};

} // namespace

CInsertPhotoPane::CInsertPhotoPane(wxFileDialog* dialog, std::function<void()> help)
    : wxPanel(dialog, wxID_ANY, wxDefaultPosition, wxSize(560, 170)), m_dialog(dialog), m_timer(this, idTimer)
{
    m_frame = new CPhotoFrame(this, idPicture, wxPoint(0, 0), wxSize(220, 165), CPhotoFrame::Fit::Preview);
    const struct
    {
        const char* label;
        int id;
        const char* initial;
    } values[] = {{"写真ｻｲｽﾞ", idSize, "X:9999 Y:9999"},
                  {"ﾌｧｲﾙｻｲｽﾞ", idBytes, "9,999,999 bytes"},
                  {"作成日", idDate, "2002/12/31"}};
    int y = 10;
    for (const auto& value : values) {
        new wxStaticText(this, wxID_ANY, ToWx(value.label), wxPoint(236, y));
        new wxStaticText(this, value.id, ToWx(value.initial), wxPoint(330, y), wxSize(200, 20),
                         wxST_NO_AUTORESIZE);
        y += 28;
    }
    auto* helpButton = new wxButton(this, idHelp, ToWx("ﾍﾙﾌﾟ(&H)"), wxPoint(236, 130), wxSize(100, 28));
    helpButton->Bind(wxEVT_BUTTON, [help](wxCommandEvent&) { help(); });
    Bind(
        wxEVT_TIMER, [this](wxTimerEvent&) { OnTick(); }, idTimer);
    m_timer.Start(100);
    ShowFile(CString());
}

void CInsertPhotoPane::OnTick()
{
    const CString selection = FromWx(m_dialog->GetCurrentlySelectedFilename());
    if (selection != m_selection) {
        m_selection = selection;
        ShowFile(selection);
    }
}

void CInsertPhotoPane::ShowFile(const CString& path)
{
    m_preview.Load(path);
    FindWindow(idSize)->SetLabel(ToWx(m_preview.SizeText()));
    FindWindow(idBytes)->SetLabel(ToWx(m_preview.BytesText()));
    FindWindow(idDate)->SetLabel(ToWx(m_preview.DateText()));
    m_frame->SetPicture(m_preview.IsLoaded() ? &m_preview.Picture() : nullptr);
    m_frame->Update();
}
