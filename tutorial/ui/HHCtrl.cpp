#include "tutorial/ui/HHCtrl.h"

#include "tutorial/ChmFile.h"
#include "tutorial/HelpFileFinder.h"
#include "tutorial/HelpPaneArt.h"
#include "tutorial/ItsAddress.h"
#include "tutorial/ui/ItsFSHandler.h"

#include "foundation/FileUtility.h"
#include "foundation/PathName.h"
#include "foundation/StringArrayEx.h"
#include "platform/MessageBox.h"
#include "platform/ui/WxBitmap.h"
#include "platform/ui/WxText.h"
#include "res/images/IconPainter.h"

#include <wx/app.h>
#include <wx/html/htmlwin.h>
#include <wx/html/htmprint.h>
#include <wx/log.h>
#include <wx/toolbar.h>

#include <algorithm>

namespace {

// The bar's height without and with button texts, and the gap under it.
constexpr int kBarHeight = 28;
constexpr int kBarHeightWithLabels = 43;
constexpr int kGap = 2;

// The button texts, one per position.
constexpr char kButtonTexts[] = "Home|Back|Forward|Print|Close|";

// The id of the HTML view inside the pane.
constexpr int kBrowserId = 0xE900;

} // namespace

bool CHHCtrl::Create(wxWindow* parent, int id, const wxRect& rect, unsigned buttons, const CString& homePage,
                     int homeTopic, bool labels)
{
    if (!wxPanel::Create(parent, id, rect.GetPosition(), rect.GetSize(), wxTAB_TRAVERSAL | wxBORDER_NONE)) {
        return false;
    }
    m_homePage = homePage;
    m_homeTopic = homePage.IsEmpty() ? homeTopic : 0;
    CItsFSHandler::Register();
    if (buttons != 0) {
        CreateToolBar(buttons, labels);
    }
    m_browser = new wxHtmlWindow(this, kBrowserId, wxDefaultPosition, wxDefaultSize,
                                 wxHW_SCROLLBAR_AUTO | wxBORDER_SUNKEN);
    LayoutChildren();
    Bind(wxEVT_SIZE, [this](wxSizeEvent& event) {
        LayoutChildren();
        event.Skip();
    });
    Bind(
        wxEVT_TOOL, [this](wxCommandEvent& event) { OnToolbarCommand(event.GetId()); }, kFirstCommand,
        kLastCommand);
    Bind(
        wxEVT_MENU, [this](wxCommandEvent&) { Print(); }, kPrintCommand);
    Bind(
        wxEVT_UPDATE_UI, [this](wxUpdateUIEvent& event) { event.Enable(m_browser->HistoryCanBack()); },
        kFirstCommand + 1);
    Bind(
        wxEVT_UPDATE_UI, [this](wxUpdateUIEvent& event) { event.Enable(m_browser->HistoryCanForward()); },
        kFirstCommand + 2);
    return true;
}

bool CHHCtrl::CreateFromControl(wxWindow* parent, int controlId, unsigned buttons, const CString& homePage,
                                int homeTopic, bool labels)
{
    wxWindow* control = parent->FindWindow(controlId);
    if (control == nullptr) {
        return false;
    }
    const wxRect rect = control->GetRect();
    control->Destroy();
    return Create(parent, controlId, rect, buttons, homePage, homeTopic, labels);
}

void CHHCtrl::CreateToolBar(unsigned buttons, bool labels)
{
    m_toolbar = new wxToolBar(this, wxID_ANY, wxDefaultPosition, wxDefaultSize,
                              wxTB_HORIZONTAL | wxTB_FLAT | wxTB_NODIVIDER | (labels ? wxTB_TEXT : 0));
    m_toolbar->SetToolBitmapSize(wxSize(CHelpPaneArt::kImageSize, CHelpPaneArt::kImageSize));
    CStringArrayEx texts;
    texts.Split(kButtonTexts, '|', 0);
    // Home only makes sense with a home to go to.
    if (m_homePage.IsEmpty() && m_homeTopic == 0) {
        buttons &= ~kHomeButton;
    }
    for (int position = 0; position < CHelpPaneArt::kImageCount; ++position) {
        if ((buttons & (1u << position)) == 0) {
            continue;
        }
        const wxString text = ToWx(texts[position]);
        m_toolbar->AddTool(kFirstCommand + position, labels ? text : wxString(),
                           ToWxBitmap(CHelpPaneArt::DrawButton(position), CIconPainter::kTransparent), text);
    }
    m_toolbar->Realize();
}

void CHHCtrl::LayoutChildren()
{
    const wxSize size = GetClientSize();
    int top = 0;
    if (m_toolbar != nullptr) {
        const int minimum = m_toolbar->HasFlag(wxTB_TEXT) ? kBarHeightWithLabels : kBarHeight;
        const int height = std::max(minimum, m_toolbar->GetBestSize().y);
        m_toolbar->SetSize(0, 0, size.x, height);
        top = height + kGap;
    }
    if (m_browser != nullptr) {
        m_browser->SetSize(0, top, size.x, std::max(0, size.y - top));
    }
}

bool CHHCtrl::SetHelpFile(const CString& name)
{
    const CString found = FindHelpFile(name, GetProgramFilesFolder());
    const char* failure = found.IsEmpty()           ? "ファイル %s が見つかりません。"
                          : !CChmFile().Open(found) ? "ファイル %s を読み込めません。"
                                                    : nullptr;
    if (failure != nullptr) {
        ShowFileMessage(failure, name);
        return false;
    }
    if (found != m_helpFile) {
        m_topics.Reset();
    }
    m_helpFile = found;
    return true;
}

bool CHHCtrl::Navigate(const CString& address)
{
    if (m_browser == nullptr || address.IsEmpty()) {
        return false;
    }
    if (address == GetOpenedPage()) {
        return true;
    }
    // A page that cannot be opened leaves the view as it is, without wx's error window.
    wxLogNull quiet;
    return m_browser->LoadPage(ToWx(address));
}

bool CHHCtrl::MakeItsUrl(const CString& page)
{
    if (m_helpFile.IsEmpty()) {
        return false;
    }
    return Navigate(CItsAddress::Format(m_helpFile, page.IsEmpty() || page[0] == '/' ? page : "/" + page));
}

void CHHCtrl::ShowFileMessage(const char* format, const CString& name)
{
    CString text;
    text.Format(format, name.GetString());
    ShowMessageBox(text, wxTheApp != nullptr ? FromWx(wxTheApp->GetAppDisplayName()) : CString(),
                   MB_OK | MB_ICONEXCLAMATION);
}

bool CHHCtrl::LoadTopicMap(int topic)
{
    CString page;
    const CTopicMap::Result result = m_topics.Lookup(m_helpFile, topic, page);
    if (result == CTopicMap::Result::NotMapped ||
        (result == CTopicMap::Result::NoHelpFile && m_helpFile.IsEmpty())) {
        return false;
    }
    // A file whose header reads may still have a damaged body: its tables or its page.
    if (result != CTopicMap::Result::Found || !MakeItsUrl(page)) {
        ShowFileMessage("ファイル %s のページを読み込めません。", GetFileNameOfPath(m_helpFile));
        return false;
    }
    return true;
}

void CHHCtrl::OnToolbarCommand(int id)
{
    switch (id - kFirstCommand) {
    case 0:
        GoHome();
        break;
    case 1:
        m_browser->HistoryBack();
        break;
    case 2:
        m_browser->HistoryForward();
        break;
    case 3:
        Print();
        break;
    case 4:
        if (wxWindow* parent = GetParent()) {
            parent->CallAfter([parent] { parent->Close(); });
        }
        break;
    default:
        break;
    }
}

void CHHCtrl::GoHome()
{
    if (m_helpFile.IsEmpty() || CItsAddress::IsFullAddress(m_homePage)) {
        Navigate(m_homePage);
    } else if (!m_homePage.IsEmpty()) {
        MakeItsUrl(m_homePage);
    } else if (m_homeTopic != 0) {
        LoadTopicMap(m_homeTopic);
    }
}

void CHHCtrl::Print()
{
    const wxString page = m_browser->GetOpenedPage();
    if (!page.empty()) {
        wxHtmlEasyPrinting printing(wxString(), this);
        printing.PrintFile(page);
    }
}

CString CHHCtrl::GetOpenedPage() const
{
    return m_browser != nullptr ? FromWx(m_browser->GetOpenedPage()) : CString();
}
