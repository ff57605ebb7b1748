#include "web/exchange/ui/ImportCsvOptions.h"

#include "platform/ui/WxText.h"
#include "web/exchange/CsvImporter.h"
#include "web/exchange/ui/DelimiterGroup.h"

#include <wx/button.h>
#include <wx/filedlg.h>
#include <wx/radiobut.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include <algorithm>

namespace {

enum : int
{
    idAdd = 1046,
    idReplace = 1047,
    idNoPhotos = 1366,
    idAbsolutePaths = 1367,
    idPhotoFolder = 1368,
    idPhotoFolderField = 1369,
    idPassRows = 1291,
    idPreview = 1124,
    idHelp = 1091,
    idTimer = 255,
};

const RadioGroupItem kModeItems[] = {{idAdd, 0}, {idReplace, 1}, {0, 0}};
const RadioGroupItem kPathModeItems[] = {{idNoPhotos, 0}, {idAbsolutePaths, 1}, {idPhotoFolder, 2}, {0, 1}};
const IntegerFormat kPassRowsFormat{NF_SHOW_ZERO | NF_MAXIMUM | NF_MINIMUM, 10, 0};

} // namespace

CImportCsvOptions::CImportCsvOptions(wxFileDialog* dialog, ImportCsvSettings& settings,
                                     std::function<void()> help)
    : wxPanel(dialog, wxID_ANY, wxDefaultPosition, wxSize(600, 290)), m_dialog(dialog), m_settings(settings),
      m_timer(this, idTimer)
{
    new wxStaticBox(this, wxID_ANY, ToWx("読込方法"), wxPoint(0, 0), wxSize(160, 78));
    new wxRadioButton(this, idAdd, ToWx("既存ﾃﾞｰﾀに追加"), wxPoint(10, 22), wxDefaultSize, wxRB_GROUP);
    new wxRadioButton(this, idReplace, ToWx("既存ﾃﾞｰﾀを置換"), wxPoint(10, 48));
    CreateDelimiterGroup(this, wxPoint(170, 0));
    new wxStaticText(this, wxID_ANY, ToWx("最初の"), wxPoint(352, 14));
    new wxWindow(this, idPassRows, wxPoint(410, 10), wxSize(60, 24));
    new wxStaticText(this, wxID_ANY, ToWx("行を無視する"), wxPoint(476, 14));
    auto* helpButton = new wxButton(this, idHelp, ToWx("ﾍﾙﾌﾟ(&H)"), wxPoint(500, 48), wxSize(100, 28));
    helpButton->Bind(wxEVT_BUTTON, [help](wxCommandEvent&) { help(); });
    new wxStaticBox(this, wxID_ANY, ToWx("写真ﾌｧｲﾙ"), wxPoint(0, 84), wxSize(600, 84));
    new wxRadioButton(this, idNoPhotos, ToWx("取り込まない"), wxPoint(10, 104), wxDefaultSize, wxRB_GROUP);
    new wxRadioButton(this, idAbsolutePaths, ToWx("絶対ﾊﾟｽ指定"), wxPoint(150, 104));
    new wxRadioButton(this, idPhotoFolder, ToWx("ﾌｫﾙﾀﾞ指定"), wxPoint(290, 104));
    new wxWindow(this, idPhotoFolderField, wxPoint(10, 132), wxSize(580, 26));
    m_preview = new wxTextCtrl(this, idPreview, wxEmptyString, wxPoint(0, 176), wxSize(600, 114),
                               wxTE_MULTILINE | wxTE_READONLY | wxTE_DONTWRAP | wxHSCROLL);

    m_mode.Init(this, kModeItems);
    m_delimiter.Init(this, kDelimiterItems);
    m_pathMode.Init(this, kPathModeItems);
    m_passRows.AttachToDialogItem(this, idPassRows, nullptr);
    m_passRows.SetIntegerFormat(&kPassRowsFormat, 1);
    m_photoFolder.AttachToDialogItem(this, idPhotoFolderField, nullptr);
    m_photoFolder.SetFolderMode(false);

    m_mode.SetValue(settings.mode);
    m_delimiter.SetValue(static_cast<unsigned char>(settings.breakChar));
    m_pathMode.SetValue(settings.pathMode);
    m_passRows.GetEdit().SetInteger(settings.passRows);
    m_photoFolder.SetPath(settings.photoFolder);

    Bind(
        wxEVT_TIMER, [this](wxTimerEvent&) { OnPreviewTick(); }, idTimer);
    m_timer.Start(100);
}

bool CImportCsvOptions::TransferDataFromWindow()
{
    m_settings.mode = m_mode.GetValue();
    m_settings.breakChar = static_cast<char>(m_delimiter.GetValue());
    m_settings.pathMode = m_pathMode.GetValue();
    m_settings.passRows = std::clamp(m_passRows.GetEdit().GetInteger(), 0, 10);
    m_settings.photoFolder = m_photoFolder.GetPath();
    return true;
}

void CImportCsvOptions::OnPreviewTick()
{
    CString selection = FromWx(m_dialog->GetCurrentlySelectedFilename());
    if (selection != m_selection) {
        m_selection = selection;
        m_countdown = kPreviewTicks;
    }
    if (m_countdown > 0 && --m_countdown == 0) {
        m_countdown = -1;
        ShowPreview(m_selection);
    }
}

void CImportCsvOptions::ShowPreview(const CString& path)
{
    m_preview->SetValue(ToWx(CCsvImporter::ReadPreview(path)));
}

CString CImportCsvOptions::GetPreviewText() const
{
    return FromWx(m_preview->GetValue());
}
