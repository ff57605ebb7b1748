#include "app/printing/ui/MarginSetupPage.h"

#include "app/printing/PageSetupModel.h"
#include "foundation/TypedEditFormats.h"

namespace {

const RealFormat kMargin{NF_MAXIMUM | NF_MINIMUM, 1, 99.0, 3.0};

struct MarginField
{
    int id;
    const char* label;
    int x;
    int y;
};

// In the order of the settings' margins: top, bottom, left, right, header, footer.
constexpr MarginField kFields[] = {
    {1184, "上余白(mm)", 150, 20}, {1140, "下余白(mm)", 150, 150},     {1136, "左余白(mm)", 20, 85},
    {1141, "右余白(mm)", 280, 85}, {1133, "ﾍｯﾀﾞの高さ(mm)", 150, 215}, {1138, "ﾌｯﾀの高さ(mm)", 150, 250},
};

} // namespace

CMarginSetupPage::CMarginSetupPage(wxWindow* parent) : CPageSetupPage(parent, 236)
{
    for (size_t i = 0; i < m_spins.size(); ++i) {
        const MarginField& field = kFields[i];
        AddLabel(field.label, field.x, field.y);
        AddRealSpin(m_spins[i], field.id, field.x + 120, field.y, &kMargin, 1.0);
    }
}

void CMarginSetupPage::Load(CPageSetupModel& model)
{
    for (size_t i = 0; i < m_spins.size(); ++i) {
        m_spins[i].GetEdit().SetReal(CPageSetupModel::ToShown(model.Settings().margins[i]));
    }
}

void CMarginSetupPage::Save(CPageSetupModel& model)
{
    for (size_t i = 0; i < m_spins.size(); ++i) {
        model.Settings().margins[i] = CPageSetupModel::FromShown(m_spins[i].GetEdit().GetReal());
    }
}
