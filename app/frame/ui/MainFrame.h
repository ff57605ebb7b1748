#pragma once

#include "app/frame/StatusBarSink.h"
#include "app/frame/ToolbarChoice.h"
#include "photo/DrawingDefaults.h"
#include "platform/CString.h"
#include "platform/Geometry.h"

#include <wx/aui/aui.h>
#include <wx/docmdi.h>

class CColorPaletteDlg;
class CFormatBar;
class wxMenu;

// The main window: an MDI frame with four toolbars (one kind shown at a time for the active kind
// of window), the drop-down menus of their buttons, the format toolbar's swatches and the colour
// palette that edits them, a status bar of seven panes, the title, and the saving of its
// placement on close, after asking before several lists are closed at once.
class CMainFrame : public wxDocMDIParentFrame, public IStatusBarSink
{
  public:
    static constexpr int kStatusPanes = 7;

    explicit CMainFrame(wxDocManager* manager);
    ~CMainFrame() override;

    // Status bar
    void SetIdleMessage(const CString& text) override { m_progressText = text; }
    void SetPaneText(int pane, const CString& text) override;
    void DrawPanesNow() override;
    const CString& GetProgressText() const { return m_progressText; }

    // Button images that follow the application's state.
    void SetPrintButtonImage(int printCommand);
    void SetTextColorButtonImage(COLORREF color);
    void SetBackColorButtonImage(COLORREF color);
    // Shows the drawing defaults in the format toolbar's swatches.
    void ShowDrawingDefaults(const DrawingDefaults& defaults);

    // Shows the toolbars that fit the kind of active window (0 none, 1 list, 2 photo editor).
    void RefreshListFrames(int kind);
    CToolbarChoice& GetToolbarChoice() { return m_toolbars; }
    wxAuiToolBar* GetToolbar(CToolbarChoice::Bar bar) const { return m_bars[bar]; }
    bool IsToolbarShown(CToolbarChoice::Bar bar);
    CFormatBar* GetFormatBar() const;
    CColorPaletteDlg& GetPalette() const { return *m_palette; }

    // The menu a drop-down button shows; null when there is none (an empty recent-file list).
    wxMenu* CreateDropDownMenu(int buttonId) const;
    // The border width menu of the width swatch.
    wxMenu* CreateWidthMenu() const;

    // The window's rectangle in its normal state and its show command, as saved on close.
    CRect GetNormalRect() const;
    int GetShowCommand() const;

  protected:
    // Menu prompts end in the progress text rather than in what the pane showed before.
    void DoGiveHelp(const wxString& text, bool show) override;
    wxStatusBar* OnCreateStatusBar(int number, long style, wxWindowID id, const wxString& name) override;

  private:
    void CreateToolbars();
    wxAuiToolBar* NewToolbar(int id);
    void CreateStatusPanes();
    void PopupUnder(wxMenu* menu, wxAuiToolBar* bar, int buttonId);

    void OnClose(wxCloseEvent& event);
    void OnToolDropDown(wxAuiToolBarEvent& event);
    void OnWidthSwatch(wxCommandEvent& event);
    void OnColorSwatch(wxCommandEvent& event);
    void OnBorderWidth(wxCommandEvent& event);
    void OnUpdateBorderWidth(wxUpdateUIEvent& event);
    void OnRecentFile(wxCommandEvent& event);
    void OnFileCommand(wxCommandEvent& event);
    void OnUpdateFileCommand(wxUpdateUIEvent& event);
    void OnExit(wxCommandEvent& event);
    void OnViewToolbar(wxCommandEvent& event);
    void OnUpdateViewToolbar(wxUpdateUIEvent& event);
    void OnViewStatusBar(wxCommandEvent& event);
    void OnUpdateViewStatusBar(wxUpdateUIEvent& event);
    void OnIdle(wxIdleEvent& event);
    void OnPlacementChanged(wxEvent& event);
    void OnIconize(wxIconizeEvent& event);

    wxAuiManager m_aui;
    wxAuiToolBar* m_bars[CToolbarChoice::kBarCount] = {};
    CToolbarChoice m_toolbars;
    CColorPaletteDlg* m_palette = nullptr;
    CString m_progressText;
    wxRect m_normalRect;
    wxString m_lockTexts[3];
};
