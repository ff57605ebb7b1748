#pragma once

#include "foundation/Number.h"

class CProfileSettings;

// The settings dialog's values, read from the profile when it opens and written back on
// "設定": six switches, the list font size and the rows per mouse wheel step.
class CConfigForm
{
  public:
    // Font size limits in tenths of a point, and the wheel's rows per step.
    static constexpr int kMinFontSize = 60;
    static constexpr int kMaxFontSize = 150;
    static constexpr int kMinWheelDelta = 1;
    static constexpr int kMaxWheelDelta = 9;

    explicit CConfigForm(CProfileSettings& settings);
    void Save();

    // The font size in points as the field shows it, and the field's value back in tenths of
    // a point, cut to one decimal and kept within the limits.
    CNumber GetFontPoints() const;
    void SetFontPoints(const CNumber& points);

    bool openLast = true;
    bool showAllRows = true;
    bool showInternalInfo = true;
    bool backupOnClose = false;
    bool checkBeforeWeb = false;
    bool alertMultiDoc = true;
    int fontSize = 90; // tenths of a point
    int wheelDelta = 2;

  private:
    CProfileSettings& m_settings;
};
