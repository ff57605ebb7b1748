#pragma once

#include "foundation/ui/AnchorDialog.h"

#include <wx/bitmap.h>
#include <wx/timer.h>

#include <array>
#include <map>

class CNavigatorModel;
class CProfileSettings;
class wxBookCtrlEvent;
class wxDC;
class wxNotebook;

// The start navigator: four tabs of picture frames (the automatic photo organiser, templates
// for a new list, the recent lists, the samples) from which the user picks what to start
// with. It ends with OK when an entry is run; the model then tells what to open.
class CNavigateDlg : public CAnchorDialog
{
  public:
    static constexpr int kFirstFrameId = 1371;
    static constexpr int kRunId = 1104;

    CNavigateDlg(wxWindow* parent, CNavigatorModel& model, CProfileSettings& settings);

    bool OnInitDialog() override;
    // Shows a tab as a click on it does.
    void SelectTab(int tab);
    // A click and a double click on a frame.
    void ClickFrame(int position);
    void RunSelected();

  private:
    void ShowTab();
    void ShowDescription();
    void OnTabChanged(wxBookCtrlEvent& event);
    void OnFramePaint(wxPaintEvent& event);
    void OnFrameDown(wxMouseEvent& event);
    void OnFrameDoubleClick(wxMouseEvent& event);
    void OnRun(wxCommandEvent& event);
    void OnOpenWeb(wxCommandEvent& event);
    void OnTutorial(wxCommandEvent& event);
    void OnShowAtStart(wxCommandEvent& event);
    void OnTimer(wxTimerEvent& event);
    void RefreshFrames();
    void PaintFrame(wxDC& dc, int position, const wxSize& size);
    // The picture of an entry of the tab shown, made once.
    const wxBitmap& PictureOf(int position);

    CNavigatorModel& m_model;
    CProfileSettings& m_settings;
    wxNotebook* m_tabs = nullptr;
    std::array<wxWindow*, 6> m_frames{};
    std::map<std::pair<int, int>, wxBitmap> m_pictures;
    wxTimer m_timer;
};
