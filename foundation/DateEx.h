#pragma once

#include "foundation/OleDateTime.h"
#include "platform/CString.h"

#include <string_view>

// A date and time that may be null, with setters that carry out-of-range parts over instead of
// failing, the Japanese eras, and the pattern formatter behind every date format of the program.
class CDateEx
{
  public:
    // A null date: value 0, status null.
    CDateEx() { m_value.SetStatus(COleDateTime::null); }
    explicit CDateEx(const COleDateTime& value) : m_value(value) {}
    virtual ~CDateEx() = default;

    const COleDateTime& GetValue() const { return m_value; }
    void SetValue(const COleDateTime& value) { m_value = value; }
    // The day serial; callers treat 0 as no date.
    double GetSerial() const { return m_value.GetValue(); }
    COleDateTime::DateTimeStatus GetStatus() const { return m_value.GetStatus(); }
    bool IsValid() const { return m_value.IsValid(); }

    // Text typed by the user or read from a file; see COleDateTime::ParseDateTime.
    bool ParseDateTime(std::string_view text, bool timeField = false)
    {
        return m_value.ParseDateTime(text, timeField);
    }

    // Parts out of range carry over: seconds into minutes and so on up to days, months into
    // years, days into the months around them (2024-01-32 is 2024-02-01, 2024-03-00 is
    // 2024-02-29). A result outside the years 100 to 9999 is invalid.
    void SetDate(int year, int month, int day) { SetDateTime(year, month, day, 0, 0, 0); }
    void SetDateTime(int year, int month, int day, int hour, int minute, int second);

    // The era of the date: its letter (a blank before 1868-01-01), its name ("" before the eras)
    // and the year within it, where year 1 is the calendar year in which the era began.
    char GetEra() const;
    CString GetEraName() const;
    int GetEraYear() const;

    // Monday 0 to Sunday 6; -1 when there is no date.
    int GetWeekdayIndex() const;
    // One kanji ("火") or three English letters ("Tue"); "" when there is no date.
    CString GetWeekdayName(bool japanese) const;

    // The date by the program's pattern language (YYYY, YY, GGG, GG, G, EE, E, MM, M, DD, D, WW,
    // W, HH, H, NNN, NN, N, SS, S; "&" copies the next character); "" when there is no date.
    CString FormatDate(const char* pattern) const;
    // strftime letters; "" when there is no date.
    CString Format(const char* pattern) const { return m_value.Format(pattern); }

  private:
    COleDateTime m_value;
};

// Days of a month of the Gregorian calendar; 0 for a month outside 1 to 12.
int GetDaysInMonth(int year, int month);

// The current local date at midnight.
CDateEx GetToday();
