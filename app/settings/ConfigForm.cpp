#include "app/settings/ConfigForm.h"

#include "app/settings/ProfileSettings.h"

#include <algorithm>

namespace {

constexpr int64_t kUnitsPerTenth = COleCurrency::kUnitsPerOne / 10;

} // namespace

CConfigForm::CConfigForm(CProfileSettings& settings) : m_settings(settings)
{
    openLast = settings.GetAutoOpen();
    showAllRows = settings.GetAutoView();
    showInternalInfo = settings.GetAutoInside();
    backupOnClose = settings.GetAutoBackup();
    checkBeforeWeb = settings.GetAutoCheck();
    alertMultiDoc = settings.GetAlertMultiDoc();
    fontSize = std::clamp(settings.GetFontSize(), kMinFontSize, kMaxFontSize);
    wheelDelta = std::clamp(settings.GetWheelDelta(), kMinWheelDelta, kMaxWheelDelta);
}

CNumber CConfigForm::GetFontPoints() const
{
    return CNumber(COleCurrency(fontSize * kUnitsPerTenth));
}

void CConfigForm::SetFontPoints(const CNumber& points)
{
    const int64_t tenths = points.GetValue().GetUnits() / kUnitsPerTenth;
    fontSize = static_cast<int>(std::clamp<int64_t>(tenths, kMinFontSize, kMaxFontSize));
}

void CConfigForm::Save()
{
    m_settings.SetAutoOpen(openLast);
    m_settings.SetAutoView(showAllRows);
    m_settings.SetAutoInside(showInternalInfo);
    m_settings.SetAutoBackup(backupOnClose);
    m_settings.SetAutoCheck(checkBeforeWeb);
    m_settings.SetAlertMultiDoc(alertMultiDoc);
    m_settings.SetFontSize(fontSize);
    m_settings.SetWheelDelta(std::clamp(wheelDelta, kMinWheelDelta, kMaxWheelDelta));
}
