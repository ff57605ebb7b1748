#pragma once

class CZantobyDoc;

// Brings the settings of a list read from a file into the ranges its dialogs allow, so that a
// damaged or foreign file cannot make the grid, the photos, the print or the Web output work
// with sizes no one could have set.
class CListSettingLimits
{
  public:
    static void Apply(CZantobyDoc& doc);
};
