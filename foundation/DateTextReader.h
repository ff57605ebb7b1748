#pragma once

#include <string_view>

// Reads the dates and times that people type and that the program shows for a date:
//   Y/M/D, Y-M-D, Y.M.D (one separator used twice) and Y年M月D日, a year of one or two digits
//   falling in 1930 to 2029;
//   an era by name, first character or letter (令和, 令, R) with its year (or 元 for the first
//   year) in place of the year: 令和6年3月5日, R6.3.5, H31/4/30;
//   eight digits (20240305);
//   the month and day alone (3/5, 3月5日) in the current year;
//   a weekday after the date, bare or in parentheses ((火), Tue), which is skipped;
//   a time as H:M[:S] or H時[M分[S秒]], alone or after the date; in a time field also four or
//   six bare digits (0905, 090500).
// Full-width digits, letters and signs count as their half-width forms, and blanks around the
// whole are ignored. Every part must exist on the calendar, and an era names no day before it
// began; years past an era's end carry on its count, as old forms still do. Whether the parts
// exist on the calendar is for the value that takes them.
class CDateTextReader
{
  public:
    struct Date
    {
        int year = 0;
        int month = 0;
        int day = 0;
        // A month and day stood alone and the reader was given no current year: the year is
        // the clock's.
        bool yearFromClock = false;
    };
    struct Time
    {
        int hour = 0;
        int minute = 0;
        int second = 0;
    };
    // What a text reads as: a date with its time, or a time alone.
    struct Reading
    {
        bool hasDate = false;
        Date date;
        Time time;
    };

    // A current year of 0 leaves a month and day alone to the clock's year.
    CDateTextReader(int currentYear, bool timeField) : m_currentYear(currentYear), m_timeField(timeField) {}

    // Fills the reading and returns true for a date, a time or both written in one of the forms.
    bool Read(std::string_view text, Reading& reading) const;

  private:
    int m_currentYear;
    bool m_timeField;
};
