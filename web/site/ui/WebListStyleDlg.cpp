#include "web/site/ui/WebListStyleDlg.h"

#include "foundation/TypedEditFormats.h"
#include "platform/ui/WxText.h"
#include "shell/ui/ColorPaletteDlg.h"

#include <wx/button.h>
#include <wx/combobox.h>
#include <wx/radiobut.h>
#include <wx/statbox.h>
#include <wx/stattext.h>

#include <tuple>

namespace {

constexpr int kTemplateId = 256;

enum : int
{
    idWidth = 1021,
    idUnitDot = 1275,
    idUnitPercent = 1342,
    idCellSpace = 1333,
    idCellBlank = 1332,
    idBorder = 1256,
    idTopShown = 1351,
    idTopHidden = 1352,
    idBackSample = 1346,
    idBackButton = 1260,
    idPageTop = 1340,
    idPageMark = 1341,
    idOpenIn = 1325,
    idTopSample = 1334,
    idHeadSample = 1335,
    idDetailSample = 1336,
    idTopText = 1326,
    idDetailBack = 1331,
    idPhotosShown = 1359,
    idPhotosHidden = 1365,
    idPhotoCount = 1411,
    idPhotoWrap = 1337,
    idPhotoBlankX = 1338,
    idPhotoBlankY = 1339,
};

// Palette answers: 34000 to 34005 the colours of buttons 1326 to 1331, 34006 the background.
constexpr int kFirstAnswer = 34000;
constexpr int kBackAnswer = 34006;

constexpr const char* kNewPage = "新しいﾍﾟｰｼﾞ";
constexpr const char* kSamePage = "移動";

const IntegerFormat kWidthFormat{NF_SHOW_ZERO | NF_MAXIMUM | NF_MINIMUM, 2048, 0};
const IntegerFormat kSpacingFormat{NF_SHOW_ZERO | NF_MAXIMUM | NF_MINIMUM, 64, 0};
const IntegerFormat kCountFormat{NF_SHOW_ZERO | NF_MAXIMUM | NF_MINIMUM, 20, 0};
const TextFormat kAnyText{TF_DIGITS | TF_UPPER | TF_LOWER | TF_HALF_KANA | TF_SYMBOLS | TF_DOUBLE_BYTE, 0, 0,
                          0};

const RadioGroupItem kUnits[] = {{idUnitDot, 0}, {idUnitPercent, 1}, {0, 0}};
const RadioGroupItem kShownHidden[] = {{idTopShown, 1}, {idTopHidden, 0}, {0, 1}};
const RadioGroupItem kPhotosShownHidden[] = {{idPhotosShown, 1}, {idPhotosHidden, 0}, {0, 1}};

const DialogItemInfo kItems[] = {
    {idBackSample, 0, kDefaultColor, kDefaultColor, 0, nullptr},
    {idTopSample, 0, kDefaultColor, kDefaultColor, 0, nullptr},
    {idHeadSample, 0, kDefaultColor, kDefaultColor, 0, nullptr},
    {idDetailSample, 0, kDefaultColor, kDefaultColor, 0, nullptr},
    {idPageTop, 0, kDefaultColor, kDefaultColor, 0, "単票ﾍﾟｰｼﾞへのﾘﾝｸ列の見出し"},
    {idPageMark, 0, kDefaultColor, kDefaultColor, 0, "単票ﾍﾟｰｼﾞへのﾘﾝｸに表示する文字"},
    {0, 0, kDefaultColor, kDefaultColor, 0, nullptr},
};

COLORREF Or(COLORREF color, COLORREF fallback)
{
    return color == kDefaultColor ? fallback : color;
}

} // namespace

CWebListStyleDlg::CWebListStyleDlg(wxWindow* owner)
    : CAnchorDialog(owner, kTemplateId, "簡単一覧表の設定内容", wxDefaultSize, wxCAPTION)
{
    // The layout below is of the client area; a size given to the window would take the title
    // bar out of it and clip the photo row at the bottom.
    SetClientSize(wxSize(470, 420));
    auto label = [this](const char* text, int x, int y) {
        new wxStaticText(this, wxID_ANY, ToWx(text), wxPoint(x, y + 4));
    };
    auto place = [this](int id, int x, int y, int width) {
        new wxWindow(this, id, wxPoint(x, y), wxSize(width, 24));
    };
    auto button = [this](int id, const char* text, int x, int y) {
        new wxButton(this, id, ToWx(text), wxPoint(x, y), wxSize(70, 24));
    };
    auto sample = [this](int id, int x, int y) {
        new wxStaticText(this, id, ToWx("ｻﾝﾌﾟﾙ"), wxPoint(x, y), wxSize(90, 24),
                         wxALIGN_CENTRE_HORIZONTAL | wxST_NO_AUTORESIZE);
    };

    new wxStaticBox(this, wxID_ANY, ToWx("表"), wxPoint(8, 6), wxSize(454, 128));
    label("幅", 20, 26);
    place(idWidth, 110, 26, 80);
    new wxRadioButton(this, idUnitDot, "dot", wxPoint(200, 30), wxDefaultSize, wxRB_GROUP);
    new wxRadioButton(this, idUnitPercent, "%", wxPoint(260, 30));
    label("罫線の幅", 20, 56);
    place(idCellSpace, 110, 56, 80);
    label("ｾﾙの余白", 220, 56);
    place(idCellBlank, 320, 56, 80);
    label("ｾﾙの枠線の幅", 20, 86);
    place(idBorder, 110, 86, 80);
    label("背景色", 220, 86);
    sample(idBackSample, 280, 86);
    button(idBackButton, "変更", 380, 86);

    new wxStaticBox(this, wxID_ANY, ToWx("項目名と単票ﾍﾟｰｼﾞへのﾘﾝｸ"), wxPoint(8, 140), wxSize(454, 118));
    label("項目名の行", 20, 160);
    new wxRadioButton(this, idTopShown, ToWx("表示する"), wxPoint(110, 164), wxDefaultSize, wxRB_GROUP);
    new wxRadioButton(this, idTopHidden, ToWx("表示しない"), wxPoint(210, 164));
    label("先頭表示", 20, 190);
    place(idPageTop, 110, 190, 120);
    label("ﾘﾝｸ表示", 240, 190);
    place(idPageMark, 320, 190, 130);
    label("開き方", 20, 220);
    const wxString choices[] = {ToWx(kSamePage), ToWx(kNewPage)};
    new wxComboBox(this, idOpenIn, wxEmptyString, wxPoint(110, 220), wxSize(160, -1), 2, choices);

    new wxStaticBox(this, wxID_ANY, ToWx("色"), wxPoint(8, 264), wxSize(454, 58));
    const char* const rows[] = {"項目名", "ﾍｯﾀﾞ", "明細"};
    for (int i = 0; i < 3; ++i) {
        int x = 16 + i * 150;
        sample(idTopSample + i, x, 284);
        new wxButton(this, idTopText + 2 * i, ToWx("文字色"), wxPoint(x + 92, 270), wxSize(50, 22));
        new wxButton(this, idTopText + 2 * i + 1, ToWx("背景色"), wxPoint(x + 92, 294), wxSize(50, 22));
        SetItemText(idTopSample + i, rows[i]);
    }

    new wxStaticBox(this, wxID_ANY, ToWx("写真"), wxPoint(8, 328), wxSize(454, 86));
    new wxRadioButton(this, idPhotosShown, ToWx("表示する"), wxPoint(20, 348), wxDefaultSize, wxRB_GROUP);
    new wxRadioButton(this, idPhotosHidden, ToWx("表示しない"), wxPoint(110, 348));
    label("表示枚数", 200, 344);
    place(idPhotoCount, 264, 344, 60);
    label("折り返し", 334, 344);
    place(idPhotoWrap, 396, 344, 60);
    label("左右余白", 20, 378);
    place(idPhotoBlankX, 110, 378, 70);
    label("上下余白", 220, 378);
    place(idPhotoBlankY, 290, 378, 60);

    for (int id = idTopText; id <= idDetailBack; ++id) {
        Bind(wxEVT_BUTTON, &CWebListStyleDlg::OnColorButton, this, id);
    }
    Bind(wxEVT_BUTTON, &CWebListStyleDlg::OnColorButton, this, idBackButton);
    Bind(wxEVT_MENU, &CWebListStyleDlg::OnColorChosen, this, kFirstAnswer, kBackAnswer);
    Bind(wxEVT_ACTIVATE, &CWebListStyleDlg::OnActivate, this);
    Bind(wxEVT_BUTTON, &CWebListStyleDlg::OnCancel, this, wxID_CANCEL);
    Bind(wxEVT_CLOSE_WINDOW, &CWebListStyleDlg::OnClose, this);
    m_palette = new CColorPaletteDlg(this);
    m_palette->SetTransparentLabel("標準(&T)");
    InitDialog();
}

bool CWebListStyleDlg::OnInitDialog()
{
    SetAnchorTable(kItems, false);
    for (auto [field, id, format] : {std::tuple{&m_width, idWidth, &kWidthFormat},
                                     std::tuple{&m_cellSpace, idCellSpace, &kSpacingFormat},
                                     std::tuple{&m_cellBlank, idCellBlank, &kSpacingFormat},
                                     std::tuple{&m_border, idBorder, &kSpacingFormat},
                                     std::tuple{&m_photoCount, idPhotoCount, &kCountFormat},
                                     std::tuple{&m_photoWrap, idPhotoWrap, &kCountFormat},
                                     std::tuple{&m_photoBlankX, idPhotoBlankX, &kSpacingFormat},
                                     std::tuple{&m_photoBlankY, idPhotoBlankY, &kSpacingFormat}}) {
        field->AttachToDialogItem(this, id, FindItemInfo(id));
        field->SetIntegerFormat(format, 1);
    }
    for (auto [field, id] : {std::pair{&m_pageTop, idPageTop}, std::pair{&m_pageMark, idPageMark}}) {
        field->CreateOverDialogItem(this, id, FindItemInfo(id));
        field->SetTextFormat(&kAnyText);
    }
    m_unit.Init(this, kUnits);
    m_topView.Init(this, kShownHidden);
    m_photoView.Init(this, kPhotosShownHidden);
    m_initialised = true;
    FillControls();
    return true;
}

void CWebListStyleDlg::SetStyle(const WebListStyle& style)
{
    m_style = style;
    if (m_initialised) {
        FillControls();
    }
}

void CWebListStyleDlg::FillControls()
{
    m_width.GetEdit().SetInteger(m_style.listWidth);
    m_unit.SetValue(m_style.widthUnit == 1 ? 1 : 0);
    m_cellSpace.GetEdit().SetInteger(m_style.cellSpace);
    m_cellBlank.GetEdit().SetInteger(m_style.cellBlank);
    m_border.GetEdit().SetInteger(m_style.borderWidth);
    m_topView.SetValue(m_style.topView ? 1 : 0);
    m_pageTop.SetText(m_style.pageTop);
    m_pageMark.SetText(m_style.pageMark);
    SetItemText(idOpenIn, m_style.pageNew ? kNewPage : kSamePage);
    m_photoView.SetValue(m_style.photoView ? 1 : 0);
    m_photoCount.GetEdit().SetInteger(m_style.photoMaxCount);
    m_photoWrap.GetEdit().SetInteger(m_style.photoWrapCount);
    m_photoBlankX.GetEdit().SetInteger(m_style.photoBlankX);
    m_photoBlankY.GetEdit().SetInteger(m_style.photoBlankY);
    ShowSamples();
}

void CWebListStyleDlg::ShowSamples()
{
    const COLORREF black = RGB(0, 0, 0);
    const COLORREF white = RGB(255, 255, 255);
    SetItemColors(idBackSample, black, Or(m_style.listBackColor, white), true);
    SetItemColors(idTopSample, Or(m_style.topTextColor, black), Or(m_style.topBackColor, white), true);
    SetItemColors(idHeadSample, Or(m_style.headTextColor, black), Or(m_style.headBackColor, white), true);
    SetItemColors(idDetailSample, Or(m_style.detailTextColor, black), Or(m_style.detailBackColor, white),
                  true);
}

COLORREF* CWebListStyleDlg::ColorOf(int command)
{
    COLORREF* colors[] = {&m_style.topTextColor,  &m_style.topBackColor,    &m_style.headTextColor,
                          &m_style.headBackColor, &m_style.detailTextColor, &m_style.detailBackColor,
                          &m_style.listBackColor};
    return command >= kFirstAnswer && command <= kBackAnswer ? colors[command - kFirstAnswer] : nullptr;
}

void CWebListStyleDlg::OnColorButton(wxCommandEvent& event)
{
    int answer = event.GetId() == idBackButton ? kBackAnswer : kFirstAnswer + (event.GetId() - idTopText);
    wxWindow* button = GetItem(event.GetId());
    wxPoint below = button->ClientToScreen(wxPoint(0, button->GetSize().GetHeight()));
    m_palette->ShowFor(CColorPaletteDlg::kTellOwner, answer, *ColorOf(answer), below.x, below.y);
}

void CWebListStyleDlg::OnColorChosen(wxCommandEvent& event)
{
    if (COLORREF* color = ColorOf(event.GetId())) {
        *color = m_palette->GetColor();
        ShowSamples();
    }
}

void CWebListStyleDlg::ShowAt(int x, int y)
{
    m_shownStyle = m_style;
    Move(x, y - GetSize().GetHeight() / 2);
    ShowModeless();
}

void CWebListStyleDlg::Apply()
{
    if (!IsShown()) {
        return;
    }
    // The colours chosen through the palette are in the working style already.
    m_style.listWidth = m_width.GetEdit().GetInteger();
    m_style.widthUnit = m_unit.GetValue();
    m_style.cellSpace = m_cellSpace.GetEdit().GetInteger();
    m_style.cellBlank = m_cellBlank.GetEdit().GetInteger();
    m_style.borderWidth = m_border.GetEdit().GetInteger();
    m_style.topView = m_topView.GetValue() != 0;
    m_style.pageTop = m_pageTop.GetText();
    m_style.pageMark = m_pageMark.GetText();
    m_style.pageNew = GetItemText(idOpenIn) == kNewPage;
    m_style.photoView = m_photoView.GetValue() != 0;
    m_style.photoMaxCount = m_photoCount.GetEdit().GetInteger();
    m_style.photoWrapCount = m_photoWrap.GetEdit().GetInteger();
    m_style.photoBlankX = m_photoBlankX.GetEdit().GetInteger();
    m_style.photoBlankY = m_photoBlankY.GetEdit().GetInteger();
    Hide();
    if (m_style != m_shownStyle && GetParent() != nullptr) {
        wxCommandEvent changed(wxEVT_MENU, kStyleChanged);
        changed.SetEventObject(this);
        wxPostEvent(GetParent(), changed);
    }
}

void CWebListStyleDlg::OnActivate(wxActivateEvent& event)
{
    event.Skip();
    if (!event.GetActive() && !m_palette->IsShown()) {
        Apply();
    }
}

void CWebListStyleDlg::OnCancel(wxCommandEvent&)
{
    Apply();
}

void CWebListStyleDlg::OnClose(wxCloseEvent& event)
{
    // The dialog lives as long as its owner; closing it only hides it.
    if (event.CanVeto()) {
        event.Veto();
        Apply();
    } else {
        event.Skip();
    }
}
