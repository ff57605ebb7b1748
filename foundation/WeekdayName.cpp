#include "foundation/WeekdayName.h"

const char* CWeekdayName::Of(int index, bool japanese)
{
    static const char* const japaneseNames[] = {"月", "火", "水", "木", "金", "土", "日"};
    static const char* const englishNames[] = {"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"};
    return japanese ? japaneseNames[index] : englishNames[index];
}
