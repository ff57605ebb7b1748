#pragma once

// The names dates show for a weekday, Monday (index 0) to Sunday (6): one kanji ("火") or three
// English letters ("Tue").
class CWeekdayName
{
  public:
    static const char* Of(int index, bool japanese);
};
