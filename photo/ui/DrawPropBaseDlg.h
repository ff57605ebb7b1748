#pragma once

#include "foundation/ui/AnchorDialog.h"
#include "photo/ShapePropertyValues.h"

#include <vector>

class CColorPaletteDlg;
class wxButton;
class wxCheckBox;
class wxFlexGridSizer;
class wxGrid;
class wxSpinCtrl;
class wxTextCtrl;

// The base of the shapes' property dialogs: number fields, the border width picker, the colour
// buttons with their palette and the point grid over a shape's values. A dialog builds its
// fields in its constructor; only OK (設定) takes what was entered into the values.
class CDrawPropBaseDlg : public CAnchorDialog
{
  public:
    // Control and command ids
    static constexpr int IDC_BORDER_WIDTH = 1256;
    static constexpr int IDC_BORDER_COLOR = 1258;
    static constexpr int IDC_FILL_COLOR = 1260;
    static constexpr int IDC_TEXT_COLOR = 1261;
    static constexpr int IDC_SHADOW_COLOR = 1262;
    static constexpr int IDC_POINT_GRID = 1029;
    static constexpr int IDC_SET = 1104;
    static constexpr int IDC_HELP = 1091;
    static constexpr int ID_WIDTH_FIRST = 33015; // "線なし", then 1 to 8 dots

    CDrawPropBaseDlg(int templateId, const char* caption, const char* helpTopic, ShapePropertyValues& values);
    ~CDrawPropBaseDlg() override;

    // Runs the dialog modally; true when it ended with OK.
    bool Run();
    // Takes what the fields hold into the values and ends with OK, as the 設定 button does.
    void Accept();
    // The colour a colour button shows, and the border width picked.
    COLORREF GetButtonColor(int id) const;
    // The palette its colour buttons open.
    CColorPaletteDlg& Palette() const { return *m_palette; }
    int GetBorderWidth() const { return m_values.borderWidth; }
    // The point grid's rows as they stand.
    const std::vector<CPoint>& GetGridPoints();
    // A point grid button (1081, 1083, 1084, 1085, 1087) on the current row.
    void PressGridButton(int id, int currentRow);

  protected:
    // A row of fields: a heading, then label and field pairs.
    void BeginRow(const char* heading);
    void AddSpin(int id, const char* label, int& value, int minimum, int maximum);
    void AddCheck(int id, const char* label, bool& value);
    void AddColor(int id, const char* label, COLORREF& value);
    void AddBorderWidth();
    void AddRectangle();
    void AddShadowOffsets();
    void AddArrows();
    // The rows of the border width and colour, the fill colour when fill, and the shadow.
    void AddLineAndShadow(bool fill);
    void AddPointGrid();
    void AddStatic(int id, const char* label, const CString& text);
    // The text's own edit, and the font combo.
    void AddTextEdit(int id, CString& value);
    void AddFontCombo(int id, CString& value);
    // The buttons and the size; the last call of a constructor.
    void Finish();

    ShapePropertyValues& m_values;

  private:
    struct ColorButton
    {
        wxButton* button;
        COLORREF* value;
        COLORREF shown;
        int target; // the palette's command back to the dialog
    };
    void ShowColor(ColorButton& entry, COLORREF color);
    void ShowBorderWidth();
    void FillGrid();
    void ReadGrid();
    void OnColorButton(wxCommandEvent& event);
    void OnPaletteColor(wxCommandEvent& event);
    void OnWidthButton(wxCommandEvent& event);
    void OnWidthMenu(wxCommandEvent& event);
    void OnGridButton(wxCommandEvent& event);
    void OnSet(wxCommandEvent& event);
    void OnHelp(wxCommandEvent& event);

    wxFlexGridSizer* m_fields = nullptr;
    wxFlexGridSizer* m_row = nullptr;
    std::vector<std::pair<wxSpinCtrl*, int*>> m_spins;
    std::vector<std::pair<wxCheckBox*, bool*>> m_checks;
    std::vector<std::pair<wxWindow*, CString*>> m_texts;
    std::vector<ColorButton> m_colors;
    wxButton* m_widthButton = nullptr;
    int m_pickedWidth = 0;
    wxGrid* m_grid = nullptr;
    std::vector<CPoint> m_gridPoints;
    CColorPaletteDlg* m_palette = nullptr;
    CString m_helpTopic;
};
