#pragma once

#include "foundation/DialogItemInfo.h"
#include "foundation/ui/AnchorDialog.h"
#include "platform/CString.h"

#include <functional>
#include <vector>

// The colour palette: a small modeless popup under a button that offers 35 colours, no colour
// and the system colour dialog, marks the owner's current colour and hides as soon as a colour
// is chosen or it loses activation. Each owner makes one as its child and reuses it.
class CColorPaletteDlg : public CAnchorDialog
{
  public:
    // Mode 0 tells the owner: a menu command with the target id goes to the parent, which reads
    // GetColor. Mode 1 sets one of the application's drawing colours through the setter.
    static constexpr int kTellOwner = 0;
    static constexpr int kSetDrawingColor = 1;
    using DrawingColorSetter = std::function<void(int target, COLORREF color)>;

    explicit CColorPaletteDlg(wxWindow* parent);

    // Shown on the transparent button each time the palette opens, when not empty.
    void SetTransparentLabel(const CString& label) { m_label = label; }
    void SetDrawingColorSetter(DrawingColorSetter setter) { m_setter = std::move(setter); }

    // Opens the palette for a target with the owner's current colour, its top-left corner at
    // (x, y + 1) in screen coordinates.
    void ShowFor(int mode, int target, COLORREF current, int x, int y);
    // Takes a colour as chosen (kDefaultColor: no colour) and hides the palette.
    void Choose(COLORREF color);

    int GetMode() const { return m_mode; }
    int GetTarget() const { return m_target; }
    COLORREF GetColor() const { return m_color; }

    bool OnInitDialog() override;

  private:
    void OnCell(wxCommandEvent& event);
    void OnTransparent(wxCommandEvent& event);
    void OnOtherColor(wxCommandEvent& event);
    void OnActivate(wxActivateEvent& event);

    CString m_label;
    int m_mode = kTellOwner;
    int m_target = 0;
    COLORREF m_color = kDefaultColor;
    DrawingColorSetter m_setter;
    std::vector<CString> m_tips;
    std::vector<DialogItemInfo> m_table;
};
