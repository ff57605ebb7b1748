#pragma once

#include "foundation/ui/AnchorDialog.h"
#include "foundation/ui/EditField.h"
#include "foundation/ui/RadioGroup.h"
#include "foundation/ui/SpinEdit.h"
#include "list/WebListStyle.h"

class CColorPaletteDlg;

// The look of the simple list ("簡単一覧表の設定内容"): a modeless dialog of the Web file creation
// dialog that edits a working copy of the list style and hands it back when it hides.
class CWebListStyleDlg : public CAnchorDialog
{
  public:
    // Told to the owner (a menu command) when the working style changed.
    static constexpr int kStyleChanged = 256;

    explicit CWebListStyleDlg(wxWindow* owner);

    bool OnInitDialog() override;

    // The working style; setting it fills the controls.
    const WebListStyle& GetStyle() const { return m_style; }
    void SetStyle(const WebListStyle& style);

    // Shows the dialog with its left edge at x and its middle at y (screen coordinates).
    void ShowAt(int x, int y);
    // Takes the controls into the working style, tells the owner when it changed, and hides.
    void Apply();

  private:
    void FillControls();
    void ShowSamples();
    void OnColorButton(wxCommandEvent& event);
    void OnColorChosen(wxCommandEvent& event);
    void OnActivate(wxActivateEvent& event);
    void OnCancel(wxCommandEvent& event);
    void OnClose(wxCloseEvent& event);
    COLORREF* ColorOf(int command);

    WebListStyle m_style;
    WebListStyle m_shownStyle; // as it was when the dialog was last shown
    CSpinEdit m_width;
    CSpinEdit m_cellSpace;
    CSpinEdit m_cellBlank;
    CSpinEdit m_border;
    CSpinEdit m_photoCount;
    CSpinEdit m_photoWrap;
    CSpinEdit m_photoBlankX;
    CSpinEdit m_photoBlankY;
    CEditField m_pageTop;
    CEditField m_pageMark;
    CRadioGroup m_unit;
    CRadioGroup m_topView;
    CRadioGroup m_photoView;
    CColorPaletteDlg* m_palette = nullptr;
    bool m_initialised = false;
};
