#pragma once

#include "platform/CString.h"

#include <compare>
#include <cstdint>
#include <string_view>

// A date and time held as the OLE automation day serial (days since 1899-12-30, the time of day
// as the fraction) with a validity status. Years 100 to 9999 can be held.
class COleDateTime
{
  public:
    enum DateTimeStatus
    {
        valid = 0,
        invalid = 1,
        null = 2
    };

    // A date and time in parts; dayOfWeek runs from 1 (Sunday) to 7 (Saturday).
    struct Parts
    {
        int year = 0;
        int month = 0;
        int day = 0;
        int hour = 0;
        int minute = 0;
        int second = 0;
        int dayOfWeek = 0;
    };

    COleDateTime() = default;
    // A value as GetValue and GetStatus give it.
    COleDateTime(double serial, DateTimeStatus status) : m_dt(serial), m_status(status) {}
    static COleDateTime GetCurrentTime();

    double GetValue() const { return m_dt; }
    DateTimeStatus GetStatus() const { return m_status; }
    bool IsValid() const { return m_status == valid; }
    void SetStatus(DateTimeStatus status) { m_status = status; }

    // Setters that accept only parts in range (month 1-12, the days of that month, hour 0-23,
    // minute and second 0-59, year 100-9999); anything else leaves the value 0 and invalid.
    // Each returns 0 when the value became valid. SetTime keeps the date part at day 0.
    int SetDateTime(int year, int month, int day, int hour, int minute, int second);
    int SetDate(int year, int month, int day) { return SetDateTime(year, month, day, 0, 0, 0); }
    int SetTime(int hour, int minute, int second);

    // Day number (days since 1899-12-30) of a year, month and day; a month outside 1-12 carries
    // into years and a day outside its month into the months around it (day 0 is the last day
    // of the month before).
    static int64_t DayNumber(int64_t year, int64_t month, int64_t day);

    // Sets the date of a day number plus a count of seconds, which may exceed a day or be
    // negative and carries into days. A result outside the years 100 to 9999 leaves the value
    // invalid. Returns 0 when the value became valid.
    int SetDayNumber(int64_t dayNumber, int64_t seconds);

    // The parts of a valid date; false when the status is not valid or the serial lies outside
    // the years 100 to 9999. The time is rounded to the nearest second.
    bool GetParts(Parts& parts) const;

    // Reads a date, a time or both as people type them and as the program shows them (see
    // CDateTextReader); a time alone lies on day 0 (1899-12-30), a month and day alone fall in the
    // current year (the clock's unless one is given), and in a time field bare digits such as
    // 0905 are a time. On failure the value is 0 and the status invalid.
    bool ParseDateTime(std::string_view text, bool timeField = false, int currentYear = 0);

    // strftime of the date in the "C" locale; "" when the date is not valid.
    CString Format(const char* pattern) const;

    // Dates compare by the moment they stand for (the serial itself is not ordered before 1899-12-30).
    friend bool operator==(const COleDateTime& a, const COleDateTime& b)
    {
        return a.m_status == b.m_status && a.Moment() == b.Moment();
    }
    friend std::strong_ordering operator<=>(const COleDateTime& a, const COleDateTime& b)
    {
        return a.Moment() <=> b.Moment();
    }

  private:
    // Seconds since 1899-12-30 00:00:00, monotonic over the whole range.
    int64_t Moment() const;
    bool Split(int64_t& dayNumber, int& secondOfDay) const;

    double m_dt = 0;
    DateTimeStatus m_status = valid;
};
