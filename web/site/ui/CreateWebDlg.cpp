#include "web/site/ui/CreateWebDlg.h"

#include "foundation/TypedEditFormats.h"
#include "foundation/ui/SystemServices.h"
#include "list/IListHost.h"
#include "list/ListFileNames.h"
#include "list/ZantobyDoc.h"
#include "platform/FileSystem.h"
#include "platform/MessageBox.h"
#include "platform/ui/WxText.h"
#include "shell/ui/ResourceBitmaps.h"
#include "web/site/ui/WebColumnGrid.h"
#include "web/site/ui/WebListStyleDlg.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/combobox.h>
#include <wx/menu.h>
#include <wx/radiobut.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#include <wx/utils.h>

#include <tuple>

namespace {

constexpr int kTemplateId = 210;

enum : int
{
    idFolder = 1000,
    idOpenFolder = 1345,
    idListName = 1323,
    idFullName = 1324,
    idTitle = 1015,
    idRowsPerPage = 1035,
    idRowsPerPageLabel = 1036,
    idMessage = 1049,
    idExtList = 1002,
    idExtPage = 1004,
    idExtCgi = 1005,
    idPageNone = 1295,
    idPageHtml = 1296,
    idPageCgi = 1297,
    idGrid = 1033,
    idMoveUp = 1081,
    idMoveDown = 1083,
    idWholeWord = 1107,
    idMatchCase = 1108,
    idAnd = 1114,
    idOr = 1115,
    idSimpleList = 1292,
    idFreeList = 1293,
    idConstruction = 1294,
    idFirstPreview = 1298,
    idLastPreview = 1322,
    idStatus = 1034,
    idCreate = 1066,
    idRecreate = 1097,
    idBaseFiles = 1101,
    idOpenHtml = 1099,
    idFirstBaseFile = 35000,
};

// The base files the popup offers, under the output folder.
const char* const kBaseFiles[] = {"/list.htm", "/free.htm", "/construct.htm", "/p/page.htm", "/page.htm"};
const char* const kBaseFileItems[] = {"簡単設定一覧ﾍﾟｰｼﾞ(&L)", "自由設定一覧ﾍﾟｰｼﾞ(&F)", "工事中ﾍﾟｰｼﾞ(&C)",
                                      "単票ﾍﾟｰｼﾞ(&P)", "単票ﾍﾟｰｼﾞ(CGI用)(&G)"};

const TextFormat kPlainName{TF_DIGITS | TF_UPPER | TF_LOWER, 0, 0, 1};
const TextFormat kAnyText{TF_DIGITS | TF_UPPER | TF_LOWER | TF_HALF_KANA | TF_SYMBOLS | TF_DOUBLE_BYTE, 0, 0,
                          0};

const RadioGroupItem kPageViews[] = {{idPageNone, 0}, {idPageHtml, 1}, {idPageCgi, 2}, {0, 1}};
const RadioGroupItem kFindMulti[] = {{idAnd, 0}, {idOr, 1}, {0, 0}};
const RadioGroupItem kOutputModes[] = {{idSimpleList, 1}, {idFreeList, 2}, {idConstruction, 9}, {0, 1}};

const DialogItemInfo kFixedItems[] = {
    {idFolder, DIF_SIZE_RIGHT, kDefaultColor, kDefaultColor, 0, "Webﾌｧｲﾙを作成するﾌｫﾙﾀﾞ"},
    {idOpenFolder, DIF_MOVE_RIGHT, kDefaultColor, kDefaultColor, 0, nullptr},
    {idListName, DIF_ENTER_NEXT, kDefaultColor, kDefaultColor, 0,
     "一覧ﾍﾟｰｼﾞのﾌｧｲﾙ名(半角英数字、拡張子なし)"},
    {idFullName, DIF_ENTER_NEXT, kDefaultColor, kDefaultColor, 0, "全項目を表示する一覧ﾍﾟｰｼﾞのﾌｧｲﾙ名"},
    {idTitle, DIF_SIZE_RIGHT | DIF_ENTER_NEXT, kDefaultColor, kDefaultColor, 0, "ﾍﾟｰｼﾞのﾀｲﾄﾙ"},
    {idRowsPerPageLabel, DIF_MOVE_RIGHT, kDefaultColor, kDefaultColor, 0, nullptr},
    {idRowsPerPage, DIF_MOVE_RIGHT, kDefaultColor, kDefaultColor, 0, nullptr},
    {idMessage, DIF_SIZE_RIGHT, kDefaultColor, kDefaultColor, 0, nullptr},
    {idGrid, DIF_SIZE_RIGHT | DIF_SIZE_BOTTOM, kDefaultColor, kDefaultColor, 0, nullptr},
    // Beside the grid, which grows to the right.
    {idMoveUp, DIF_MOVE_RIGHT, kDefaultColor, kDefaultColor, 0, nullptr},
    {idMoveDown, DIF_MOVE_RIGHT, kDefaultColor, kDefaultColor, 0, nullptr},
    {idWholeWord, DIF_MOVE_RIGHT, kDefaultColor, kDefaultColor, 0, nullptr},
    {idMatchCase, DIF_MOVE_RIGHT, kDefaultColor, kDefaultColor, 0, nullptr},
    {idAnd, DIF_MOVE_RIGHT, kDefaultColor, kDefaultColor, 0, nullptr},
    {idOr, DIF_MOVE_RIGHT, kDefaultColor, kDefaultColor, 0, nullptr},
    {idStatus, DIF_MOVE_BOTTOM | DIF_SIZE_RIGHT, kDefaultColor, kDefaultColor, 0, nullptr},
    {wxID_HELP, DIF_MOVE_BOTTOM, kDefaultColor, kDefaultColor, 0, nullptr},
    {idCreate, DIF_MOVE_BOTTOM | DIF_MOVE_RIGHT, kDefaultColor, kDefaultColor, 0, nullptr},
    {idRecreate, DIF_MOVE_BOTTOM | DIF_MOVE_RIGHT, kDefaultColor, kDefaultColor, 0, nullptr},
    {idBaseFiles, DIF_MOVE_BOTTOM, kDefaultColor, kDefaultColor, 0, nullptr},
    {idOpenHtml, DIF_MOVE_BOTTOM, kDefaultColor, kDefaultColor, 0, nullptr},
    {wxID_CANCEL, DIF_MOVE_BOTTOM | DIF_MOVE_RIGHT, kDefaultColor, kDefaultColor, 0, nullptr},
};

// The preview of the simple list: a top row, a group heading row and three data rows.
const char* const kPreviewTexts[] = {"詳細", "項目1", "項目2", "項目3", "...", "写真"};
constexpr int kPreviewLeft = 556;
constexpr int kPreviewTop = 396;
constexpr int kPreviewCell = 36;
constexpr int kPreviewHeight = 18;

} // namespace

CCreateWebDlg::CCreateWebDlg(wxWindow* parent, CZantobyDoc& doc)
    : CAnchorDialog(parent, kTemplateId, "Webﾌｧｲﾙ作成", wxSize(780, 560)), m_doc(doc), m_creator(doc)
{
    SetHelpTopic("CreateWebDlg");
    auto label = [this](const char* text, int x, int y) {
        new wxStaticText(this, wxID_ANY, ToWx(text), wxPoint(x, y + 4));
    };
    auto place = [this](int id, int x, int y, int width) {
        new wxWindow(this, id, wxPoint(x, y), wxSize(width, 24));
    };
    auto combo = [this](int id, int x, int y, int width, std::initializer_list<const char*> items) {
        wxArrayString choices;
        for (const char* item : items) {
            choices.Add(ToWx(item));
        }
        new wxComboBox(this, id, wxEmptyString, wxPoint(x, y), wxSize(width, -1), choices);
    };
    auto button = [this](int id, const char* text, int x, int y, int width) {
        return new wxButton(this, id, ToWx(text), wxPoint(x, y), wxSize(width, 28));
    };

    label("出力先ﾌｫﾙﾀﾞ", 10, 10);
    place(idFolder, 120, 10, 500);
    button(idOpenFolder, "ﾌｫﾙﾀﾞを開く(&F)", 630, 8, 140);
    label("ﾌｧｲﾙ名", 10, 40);
    place(idListName, 120, 40, 150);
    label("全項目ﾌｧｲﾙ名", 290, 40);
    place(idFullName, 400, 40, 150);
    label("ﾀｲﾄﾙ", 10, 70);
    place(idTitle, 120, 70, 430);
    new wxStaticText(this, idRowsPerPageLabel, ToWx("1頁表示件数"), wxPoint(570, 74));
    combo(idRowsPerPage, 670, 70, 100, {"0", "5", "10", "20", "30", "50", "100"});
    label("ｺﾒﾝﾄ", 10, 100);
    new wxTextCtrl(this, idMessage, wxEmptyString, wxPoint(120, 100), wxSize(650, 48), wxTE_MULTILINE);
    label("一覧HTML", 10, 156);
    combo(idExtList, 120, 156, 100, {"htm", "html", "shtml"});
    label("単票HTML", 240, 156);
    combo(idExtPage, 330, 156, 100, {"htm", "html", "shtml"});
    label("CGI", 450, 156);
    combo(idExtCgi, 500, 156, 100, {"cgi", "pl"});
    label("単票ﾍﾟｰｼﾞ", 10, 188);
    new wxRadioButton(this, idPageNone, ToWx("作成しない"), wxPoint(120, 192), wxDefaultSize, wxRB_GROUP);
    new wxRadioButton(this, idPageHtml, ToWx("HTMLで作成する"), wxPoint(240, 192));
    new wxRadioButton(this, idPageCgi, ToWx("CGIで作成する"), wxPoint(400, 192));
    label("一覧ﾍﾟｰｼﾞ", 10, 216);
    new wxRadioButton(this, idSimpleList, ToWx("簡単設定一覧ページを作成する"), wxPoint(120, 220),
                      wxDefaultSize, wxRB_GROUP);
    new wxRadioButton(this, idFreeList, ToWx("自由設定一覧ページを作成する"), wxPoint(360, 220));
    new wxRadioButton(this, idConstruction, ToWx("工事中ページを作成する"), wxPoint(590, 220));

    label("並替等", 10, 250);
    new wxWindow(this, idGrid, wxPoint(10, 274), wxSize(530, 204));
    button(idMoveUp, "上に移動(&U)", 560, 274, 100);
    button(idMoveDown, "下に移動(&D)", 670, 274, 100);
    new wxCheckBox(this, idWholeWord, ToWx("単語単位で検索"), wxPoint(560, 312));
    new wxCheckBox(this, idMatchCase, ToWx("大文字と小文字を区別する"), wxPoint(560, 336));
    new wxRadioButton(this, idAnd, ToWx("AND検索"), wxPoint(560, 362), wxDefaultSize, wxRB_GROUP);
    new wxRadioButton(this, idOr, ToWx("OR検索"), wxPoint(660, 362));
    for (int id = idFirstPreview; id <= idLastPreview; ++id) {
        int index = id - idFirstPreview;
        int row = index < 6 ? 0 : index == 6 ? 1 : 2 + (index - 7) / 6;
        int column = index < 6 ? index : index == 6 ? 0 : (index - 7) % 6;
        const char* text = index < 6     ? kPreviewTexts[index]
                           : index == 6  ? "ヘッダ"
                           : column == 4 ? "..."
                                         : "";
        if (index > 6 && column > 0 && column < 4) {
            text = "ﾃﾞｰﾀ";
        } else if (index > 6 && column == 5) {
            text = "□";
        }
        auto* cell = new wxStaticText(
            this, id, ToWx(text),
            wxPoint(kPreviewLeft + column * kPreviewCell, kPreviewTop + row * kPreviewHeight),
            wxSize(kPreviewCell, kPreviewHeight), wxALIGN_CENTRE_HORIZONTAL | wxST_NO_AUTORESIZE);
        cell->Bind(wxEVT_LEFT_DOWN, &CCreateWebDlg::OnShowStyle, this);
    }
    new wxStaticText(this, idStatus, wxEmptyString, wxPoint(10, 486), wxSize(760, 20), wxST_NO_AUTORESIZE);
    button(wxID_HELP, "ﾍﾙﾌﾟ(&H)", 10, 516, 90);
    button(idBaseFiles, "ﾍﾞｰｽﾌｧｲﾙを開く(&B)", 110, 516, 160);
    button(idOpenHtml, "HTMLを開く(&T)", 280, 516, 130);
    button(idCreate, "作成(&G)", 470, 516, 96);
    button(idRecreate, "再作成(&R)", 572, 516, 96);
    button(wxID_CANCEL, "閉じる(&C)", 674, 516, 96);

    Bind(wxEVT_BUTTON, &CCreateWebDlg::OnCreate, this, idCreate);
    Bind(wxEVT_BUTTON, &CCreateWebDlg::OnRecreate, this, idRecreate);
    Bind(wxEVT_BUTTON, &CCreateWebDlg::OnBaseFileMenu, this, idBaseFiles);
    Bind(wxEVT_MENU, &CCreateWebDlg::OnOpenBaseFile, this, idFirstBaseFile, idFirstBaseFile + 4);
    Bind(wxEVT_BUTTON, &CCreateWebDlg::OnOpenHtml, this, idOpenHtml);
    Bind(wxEVT_BUTTON, &CCreateWebDlg::OnOpenFolder, this, idOpenFolder);
    Bind(wxEVT_BUTTON, &CCreateWebDlg::OnMoveRow, this, idMoveUp);
    Bind(wxEVT_BUTTON, &CCreateWebDlg::OnMoveRow, this, idMoveDown);
    Bind(wxEVT_MENU, &CCreateWebDlg::OnStyleChanged, this, CWebListStyleDlg::kStyleChanged);
    Bind(wxEVT_BUTTON, &CCreateWebDlg::OnClose, this, wxID_CANCEL);
    Bind(wxEVT_CLOSE_WINDOW, &CCreateWebDlg::OnCloseWindow, this);
    m_creator.SetStatusSink([this](const CString& text) { SetStatusText(text); });
    m_grid = new CWebColumnGrid(doc);
}

void CCreateWebDlg::Run(wxWindow* parent, CZantobyDoc& doc)
{
    CCreateWebDlg dialog(parent, doc);
    dialog.DoModal();
}

bool CCreateWebDlg::OnInitDialog()
{
    SetIcons(CResourceBitmaps::GetProgramIcons());
    // The preview cells are in the table too, which colours them.
    for (const DialogItemInfo& item : kFixedItems) {
        m_items.push_back(item);
    }
    for (int id = idFirstPreview; id <= idLastPreview; ++id) {
        m_items.push_back({id, DIF_MOVE_RIGHT, kDefaultColor, kDefaultColor, 0,
                           "クリックすると簡単一覧表の設定を変更します"});
    }
    m_items.push_back({});
    SetAnchorTable(m_items.data(), true);
    m_folder.AttachToDialogItem(this, idFolder, FindItemInfo(idFolder));
    m_folder.SetFolderMode(false);
    m_folder.EnableControl(!m_doc.sample);
    for (auto [field, id, format] :
         {std::tuple{&m_listName, idListName, &kPlainName}, std::tuple{&m_fullName, idFullName, &kPlainName},
          std::tuple{&m_title, idTitle, &kAnyText}}) {
        field->CreateOverDialogItem(this, id, FindItemInfo(id));
        field->SetTextFormat(format);
    }
    m_pageView.Init(this, kPageViews);
    m_findMulti.Init(this, kFindMulti);
    m_outputMode.Init(this, kOutputModes);
    m_grid->AttachToDialogItem(this, idGrid);
    m_styleDialog = new CWebListStyleDlg(this);
    LoadSettings();
    return true;
}

void CCreateWebDlg::LoadSettings()
{
    ShowForm(m_creator.LoadSettings());
}

void CCreateWebDlg::ShowForm(const WebCreateForm& form)
{
    m_outputMode.SetValue(form.outputMode);
    m_folder.SetPath(form.folder);
    m_listName.SetText(form.listName);
    m_fullName.SetText(form.fullName);
    m_title.SetText(form.title);
    SetItemText(idRowsPerPage, form.rowsPerPage);
    ShowMessage(form.message);
    SetItemText(idExtList, form.extList);
    SetItemText(idExtPage, form.extPage);
    SetItemText(idExtCgi, form.extCgi);
    m_pageView.SetValue(form.pageView);
    SetItemCheck(idWholeWord, form.findWord, true);
    SetItemCheck(idMatchCase, form.findCase, true);
    m_findMulti.SetValue(form.findMulti);
    m_grid->SetRows(form.columns);
    m_styleDialog->SetStyle(form.style);
    UpdatePreview();
}

WebCreateForm CCreateWebDlg::ReadForm()
{
    WebCreateForm form;
    form.outputMode = m_outputMode.GetValue();
    form.folder = m_folder.GetPath();
    form.listName = m_listName.GetText();
    form.fullName = m_fullName.GetText();
    form.title = m_title.GetText();
    form.rowsPerPage = GetItemText(idRowsPerPage);
    form.message = GetItemText(idMessage);
    form.message.Replace("\n", "\r\n");
    form.extList = GetItemText(idExtList);
    form.extPage = GetItemText(idExtPage);
    form.extCgi = GetItemText(idExtCgi);
    form.pageView = m_pageView.GetValue();
    form.findWord = IsItemChecked(idWholeWord);
    form.findCase = IsItemChecked(idMatchCase);
    form.findMulti = m_findMulti.GetValue();
    form.style = m_styleDialog->GetStyle();
    form.columns = m_grid->GetRows();
    return form;
}

bool CCreateWebDlg::CreateWebFiles(bool recreate)
{
    if (m_busy || !AcceptFieldTexts()) {
        return false;
    }
    m_busy = true;
    wxBusyCursor wait;
    WebCreateForm form = ReadForm();
    bool done = m_creator.CreateWebFiles(form, recreate);
    SetItemText(idExtList, form.extList);
    SetItemText(idExtPage, form.extPage);
    SetItemText(idExtCgi, form.extCgi);
    ShowMessage(form.message);
    m_busy = false;
    return done;
}

void CCreateWebDlg::ShowMessage(const CString& message)
{
    // The edit breaks lines at LF; the settings keep CR LF.
    CString shown = message;
    shown.Replace("\r\n", "\n");
    SetItemText(idMessage, shown);
}

void CCreateWebDlg::SetStatusText(const CString& text)
{
    SetItemText(idStatus, text);
}

void CCreateWebDlg::UpdatePreview()
{
    const WebListStyle& style = m_styleDialog->GetStyle();
    const COLORREF black = RGB(0, 0, 0);
    const COLORREF white = RGB(255, 255, 255);
    auto color = [](COLORREF value, COLORREF fallback) { return value == kDefaultColor ? fallback : value; };
    auto shownText = [](const CString& text) { return text.Find('<') >= 0 ? CString("<IMG>") : text; };
    for (int id = idFirstPreview; id < idFirstPreview + 6; ++id) {
        ShowItem(id, style.topView);
        SetItemColors(id, color(style.topTextColor, black), color(style.topBackColor, white), true);
    }
    SetItemText(idFirstPreview, shownText(style.pageTop));
    int header = idFirstPreview + 6;
    SetItemColors(header, color(style.headTextColor, black), color(style.headBackColor, white), true);
    for (int id = header + 1; id <= idLastPreview; ++id) {
        SetItemColors(id, color(style.detailTextColor, black), color(style.detailBackColor, white), true);
        if ((id - header - 1) % 6 == 0) {
            SetItemText(id, shownText(style.pageMark));
        } else if ((id - header - 1) % 6 == 5) {
            ShowItem(id, style.photoView);
        }
    }
    ShowItem(idFirstPreview + 5, style.topView && style.photoView);
    // The group heading runs over every column shown.
    wxWindow* last = GetItem(style.photoView ? idFirstPreview + 5 : idFirstPreview + 4);
    wxWindow* heading = GetItem(header);
    heading->SetSize(last->GetPosition().x + last->GetSize().GetWidth() - heading->GetPosition().x,
                     heading->GetSize().GetHeight());
}

void CCreateWebDlg::OnCreate(wxCommandEvent&)
{
    CreateWebFiles(false);
}

void CCreateWebDlg::OnRecreate(wxCommandEvent&)
{
    CreateWebFiles(true);
}

void CCreateWebDlg::OnBaseFileMenu(wxCommandEvent&)
{
    wxMenu menu;
    for (int i = 0; i < 5; ++i) {
        menu.Append(idFirstBaseFile + i, ToWx(kBaseFileItems[i]));
    }
    wxWindow* button = GetItem(idBaseFiles);
    PopupMenu(&menu, button->GetPosition().x, button->GetPosition().y + button->GetSize().GetHeight());
}

void CCreateWebDlg::OnOpenBaseFile(wxCommandEvent& event)
{
    CString folder = m_folder.GetPath();
    if (!CListFileNames::IsFolderPath(folder)) {
        return;
    }
    CString path = folder + kBaseFiles[event.GetId() - idFirstBaseFile];
    if (FileSystem::Exists(path)) {
        ShowOpenFailure(path, OpenInTextEditor(path));
    }
}

void CCreateWebDlg::OnOpenHtml(wxCommandEvent&)
{
    const WebOutputSettings& web = m_doc.web;
    if (web.listName.IsEmpty()) {
        m_doc.Host().ShowWarningMessage(31202, MB_OK);
        return;
    }
    // The names are the list file's until a run has checked them.
    if (!CListFileNames::IsFolderPath(web.webFolder)) {
        m_doc.Host().ShowWarningMessage(31215, MB_OK, web.webFolder.GetString());
        return;
    }
    for (const CString* name : {&web.listName, &web.extList}) {
        if (!CListFileNames::IsPlainName(*name)) {
            m_doc.Host().ShowWarningMessage(31213, MB_OK, name->GetString());
            return;
        }
    }
    CString path;
    path.Format("%s/%s.%s", web.webFolder.GetString(), web.listName.GetString(), web.extList.GetString());
    if (!FileSystem::Exists(path)) {
        m_doc.Host().ShowWarningMessage(31200, MB_OK, path.GetString());
        return;
    }
    ShowOpenFailure(path, OpenPageInBrowser(path));
}

void CCreateWebDlg::OnOpenFolder(wxCommandEvent&)
{
    CString folder = m_folder.GetPath();
    if (!folder.IsEmpty()) {
        ShowOpenFailure(folder, OpenFolderWindow(folder));
    }
}

void CCreateWebDlg::ShowOpenFailure(const CString& path, const CString& failure)
{
    if (!failure.IsEmpty()) {
        m_doc.Host().ShowWarningMessage(30001, MB_OK, path.GetString(), failure.GetString());
    }
}

void CCreateWebDlg::OnMoveRow(wxCommandEvent& event)
{
    m_grid->MoveCurrentRow(event.GetId() == idMoveUp);
}

void CCreateWebDlg::OnShowStyle(wxMouseEvent&)
{
    wxPoint at = wxGetMousePosition();
    m_styleDialog->ShowAt(at.x, at.y);
}

void CCreateWebDlg::OnStyleChanged(wxCommandEvent&)
{
    UpdatePreview();
}

void CCreateWebDlg::OnClose(wxCommandEvent&)
{
    if (!m_busy) {
        EndModal(wxID_CANCEL);
    }
}

void CCreateWebDlg::OnCloseWindow(wxCloseEvent& event)
{
    if (m_busy && event.CanVeto()) {
        event.Veto();
        return;
    }
    event.Skip();
}
