#pragma once

#include <span>

// An era of the Japanese calendar: the letter and name it is written with and its first day.
// Year 1 of an era is the calendar year in which it began.
struct JapaneseEra
{
    char letter;
    const char* name;
    int firstYear;
    int firstMonth;
    int firstDay;

    // Newest first, so a date belongs to the first era whose first day it is on or after.
    static std::span<const JapaneseEra> All();

    // The day as year * 10000 + month * 100 + day, for comparing with a date in that form.
    int FirstDayKey() const { return firstYear * 10000 + firstMonth * 100 + firstDay; }
};
