#pragma once

#include "foundation/ui/AnchorDialog.h"
#include "photo/PhotoPropertiesState.h"

#include <wx/timer.h>

#include <array>
#include <functional>

class wxSlider;
class wxStaticText;
class wxTextCtrl;

// The photo properties: size, file, date and bytes of a photo, its comment and its five colour
// corrections on track bars, which take effect at once so that a preview can follow; cancel
// puts them back. From the list views it also offers to open the photo in the editor.
class CDrawPropPhotoDlg : public CAnchorDialog
{
  public:
    static constexpr int IDC_EDIT = 1064;
    static constexpr int IDC_RESET = 1094;
    static constexpr int IDC_SET = 1104;
    static constexpr int IDC_COMMENT = 1045;
    static constexpr int kBarIds[CPhotoPropertiesState::kBarCount] = {1383, 1384, 1385, 1389, 1390};

    // adjustments (brightness, shade, red, green, blue) and comment belong to the caller; null
    // or not editable shows the photo only.
    CDrawPropPhotoDlg(wxWindow* parent, const CString& path, int width, int height,
                      const std::array<int*, CPhotoPropertiesState::kBarCount>& adjustments, CString* comment,
                      bool editable, bool editRequest);
    ~CDrawPropPhotoDlg() override;

    // Asked for a redraw about half a second after the last change of a correction.
    void SetPreview(std::function<void()> preview) { m_preview = std::move(preview); }

    bool IsChanged() const { return m_state.IsChanged(); }
    // Left set when the dialog was closed with 編集.
    bool IsEditRequested() const { return m_editRequest; }
    CPhotoPropertiesState& State() { return m_state; }

    // The buttons, as pressed.
    void Ok(bool edit);
    void Cancel();
    void ResetCorrections();

  private:
    void ShowValues();
    void OnSlider(wxCommandEvent& event);
    void OnButton(wxCommandEvent& event);
    void OnClose(wxCloseEvent& event);
    void OnTimer(wxTimerEvent& event);

    CPhotoPropertiesState m_state;
    bool m_editRequest;
    std::function<void()> m_preview;
    wxTimer m_timer;
    wxTextCtrl* m_comment = nullptr;
    std::array<wxSlider*, CPhotoPropertiesState::kBarCount> m_bars{};
    std::array<wxStaticText*, CPhotoPropertiesState::kBarCount> m_values{};
};
