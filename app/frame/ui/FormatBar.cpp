#include "app/frame/ui/FormatBar.h"

#include "app/frame/ToolbarImages.h"
#include "platform/ui/WxText.h"
#include "res/images/ToolbarArt.h"
#include "res/menus/MenuTables.h"
#include "shell/ui/ColorSwatch.h"
#include "shell/ui/ResourceBitmaps.h"

namespace {

// Tools: select, area, then the shapes; image index and whether a separator precedes it.
struct Tool
{
    int id;
    int image;
    bool separatorBefore;
};

constexpr Tool kTools[] = {{32948, 0, false}, {32949, 1, false}, {32950, 2, true},
                           {32952, 3, false}, {32953, 4, false}, {32955, 5, false},
                           {32960, 6, false}, {32959, 7, false}, {32956, 8, false}};

constexpr int kSwatchWidth = 52;

} // namespace

CFormatBar::CFormatBar(wxWindow* parent, int id)
    : wxAuiToolBar(parent, id, wxDefaultPosition, wxDefaultSize, wxAUI_TB_DEFAULT_STYLE | wxAUI_TB_GRIPPER)
{
    for (const Tool& tool : kTools) {
        if (tool.separatorBefore) {
            AddSeparator();
        }
        const wxString tip = ToWx(CMenuTables::GetToolTip(tool.id));
        AddTool(tool.id, tip, CResourceBitmaps::GetToolbarImage(CToolbarArt::kFormatBar, tool.image), tip,
                wxITEM_CHECK);
    }
    AddSeparator();
    const int height = CToolbarArt::kImageHeight + 7;
    for (int swatchId = IDC_BORDER_WIDTH; swatchId < IDC_BORDER_WIDTH + kSwatchCount; ++swatchId) {
        auto* swatch = new CColorSwatch(this, swatchId, wxDefaultPosition, wxSize(kSwatchWidth, height));
        swatch->SetToolTip(ToWx(CMenuTables::GetToolTip(swatchId)));
        AddControl(swatch);
    }
    ShowDefaults(DrawingDefaults());
    Realize();
}

CColorSwatch* CFormatBar::GetSwatch(int id) const
{
    if (id < IDC_BORDER_WIDTH || id >= IDC_BORDER_WIDTH + kSwatchCount) {
        return nullptr;
    }
    return static_cast<CColorSwatch*>(FindWindow(id));
}

void CFormatBar::ShowDefaults(const DrawingDefaults& defaults)
{
    GetSwatch(IDC_BORDER_WIDTH)
        ->SetPicture(CResourceBitmaps::GetBitmap(CToolbarImages::GetWidthBitmap(defaults.borderWidth)));
    for (int target : {IDC_BORDER_COLOR, IDC_FILL_COLOR, IDC_TEXT_COLOR, IDC_SHADOW_COLOR}) {
        GetSwatch(target)->SetColor(defaults.GetColor(target));
    }
    Refresh();
}
