#include "app/frame/ui/ZantobyFrame.h"

#include "app/frame/ui/IListPanes.h"
#include "app/startup/ui/ZantobyApp.h"
#include "app/startup/ui/ZantobyDocManager.h"
#include "platform/ui/GtkGlue.h"
#include "platform/ui/PointerCapture.h"
#include "shell/ui/MenuBuilder.h"
#include "shell/ui/ResourceBitmaps.h"

#include <wx/filename.h>
#include <wx/menu.h>
#include <wx/splitter.h>

#include <algorithm>

CZantobyFrame::CZantobyFrame(wxDocument* doc, wxView* view, wxMDIParentFrame* parent)
    : wxDocMDIChildFrame(doc, view, parent, wxID_ANY, wxString(), wxDefaultPosition, wxDefaultSize,
                         wxDEFAULT_FRAME_STYLE | wxMAXIMIZE)
{
    SetIcons(CResourceBitmaps::GetProgramIcons());
    wxMenuBar* menus = CMenuBuilder::CreateMenuBar(IDR_LISTTYPE);
    SetMenuBar(menus);
    wxGetApp().GetDocManager()->FileHistoryUseMenu(CMenuBuilder::FindRecentFileMenu(*menus));
}

CZantobyFrame::~CZantobyFrame()
{
    if (wxMenuBar* menus = GetMenuBar(); menus != nullptr && wxGetApp().GetDocManager() != nullptr) {
        wxGetApp().GetDocManager()->FileHistoryRemoveMenu(CMenuBuilder::FindRecentFileMenu(*menus));
    }
}

bool CZantobyFrame::Destroy()
{
    PointerCapture::EndWithin(*this);
    return wxDocMDIChildFrame::Destroy();
}

bool CZantobyFrame::CreateClient(IListPanes& panes)
{
    m_splitter =
        new wxSplitterWindow(this, kSplitterId, wxDefaultPosition, wxDefaultSize, wxSP_3D | wxSP_LIVE_UPDATE);
    m_splitter->SetMinimumPaneSize(kMinimumPaneHeight);
    // A taller window gives the grid the room; the strip keeps its height.
    m_splitter->SetSashGravity(1.0);
    wxWindow* grid = nullptr;
    wxWindow* photoView = nullptr;
    if (!panes.CreatePanes(m_splitter, grid, photoView)) {
        m_splitter->Destroy();
        m_splitter = nullptr;
        return false;
    }
    m_splitter->SplitHorizontally(grid, photoView, 500);
    m_splitter->Bind(wxEVT_SIZE, &CZantobyFrame::OnSplitterSize, this);
    UpdateTitle();
    return true;
}

void CZantobyFrame::SetGridPaneHeight(int height)
{
    if (m_splitter == nullptr) {
        return;
    }
    const int available = m_splitter->GetClientSize().y - m_splitter->GetSashSize();
    if (available <= kMinimumPaneHeight * 2) {
        m_pendingHeight = height;
        return;
    }
    m_pendingHeight = -1;
    m_splitter->SetSashPosition(std::clamp(height, kMinimumPaneHeight, available - kMinimumPaneHeight));
}

int CZantobyFrame::GetGridPaneHeight() const
{
    if (m_splitter == nullptr || !m_splitter->IsSplit()) {
        return -1;
    }
    const wxWindow* lower = m_splitter->GetWindow2();
    return lower != nullptr && lower->GetSize().y > 0 ? m_splitter->GetSashPosition() : -1;
}

void CZantobyFrame::OnSplitterSize(wxSizeEvent& event)
{
    event.Skip();
    if (m_pendingHeight >= 0) {
        const int pending = m_pendingHeight;
        CallAfter([this, pending] {
            if (m_pendingHeight == pending) {
                SetGridPaneHeight(pending);
            }
        });
    }
}

void CZantobyFrame::UpdateTitle()
{
    wxDocument* doc = GetDocument();
    if (doc == nullptr) {
        return;
    }
    // The tab names the file, so that several lists fit the bar; its tip names the whole path.
    const wxString path = doc->GetFilename();
    SetTitle(wxFileName(path).GetFullName());
    GtkGlue::SetTabTip(*this, path);
}
