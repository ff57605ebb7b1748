#include "foundation/OleDateTime.h"

#include "foundation/DateTextReader.h"

#include <clocale>
#include <cmath>
#include <ctime>
#include <locale.h>
#include <vector>

namespace {

constexpr int64_t kSecondsPerDay = 86400;
constexpr int kFirstYear = 100;
constexpr int kLastYear = 9999;

constexpr int64_t FloorDiv(int64_t a, int64_t b)
{
    int64_t q = a / b;
    return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

// Days since 0000-03-01 of the proleptic Gregorian calendar. Years are counted from March, so
// that the leap day is the last day of its year and the month lengths before it never change.
constexpr int64_t DaysSinceMarchZero(int64_t year, int64_t month, int64_t day)
{
    year += FloorDiv(month - 1, 12);
    month -= FloorDiv(month - 1, 12) * 12;
    if (month < 3) {
        year -= 1;
        month += 12;
    }
    int64_t daysBeforeYear = 365 * year + FloorDiv(year, 4) - FloorDiv(year, 100) + FloorDiv(year, 400);
    // March to the month before: 31, 30, 31, 30, 31 repeat, which 153 days per 5 months gives.
    int64_t daysBeforeMonth = (153 * (month - 3) + 2) / 5;
    return daysBeforeYear + daysBeforeMonth + day - 1;
}

constexpr int64_t kSerialZero = DaysSinceMarchZero(1899, 12, 30);

void CivilFromDaysSinceMarchZero(int64_t days, int64_t& year, int& month, int& day)
{
    year = FloorDiv(days * 400, 146097);
    while (DaysSinceMarchZero(year + 1, 3, 1) <= days) {
        ++year;
    }
    while (DaysSinceMarchZero(year, 3, 1) > days) {
        --year;
    }
    int dayOfYear = static_cast<int>(days - DaysSinceMarchZero(year, 3, 1));
    month = (5 * dayOfYear + 2) / 153 + 3;
    day = dayOfYear - (153 * (month - 3) + 2) / 5 + 1;
    if (month > 12) {
        month -= 12;
        year += 1;
    }
}

constexpr int64_t kFirstDayNumber = DaysSinceMarchZero(kFirstYear, 1, 1) - kSerialZero;
constexpr int64_t kLastDayNumber = DaysSinceMarchZero(kLastYear, 12, 31) - kSerialZero;

} // namespace

int64_t COleDateTime::DayNumber(int64_t year, int64_t month, int64_t day)
{
    return DaysSinceMarchZero(year, month, day) - kSerialZero;
}

int COleDateTime::SetDayNumber(int64_t dayNumber, int64_t seconds)
{
    dayNumber += FloorDiv(seconds, kSecondsPerDay);
    int64_t secondOfDay = seconds - FloorDiv(seconds, kSecondsPerDay) * kSecondsPerDay;
    if (dayNumber < kFirstDayNumber || dayNumber > kLastDayNumber) {
        m_dt = 0;
        m_status = invalid;
        return m_status;
    }
    // Before day 0 the fraction still counts forward from midnight: -1.25 is 1899-12-29 06:00.
    double fraction = static_cast<double>(secondOfDay) / kSecondsPerDay;
    m_dt = dayNumber >= 0 ? static_cast<double>(dayNumber) + fraction
                          : static_cast<double>(dayNumber) - fraction;
    m_status = valid;
    return m_status;
}

int COleDateTime::SetDateTime(int year, int month, int day, int hour, int minute, int second)
{
    bool inRange = year >= kFirstYear && year <= kLastYear && month >= 1 && month <= 12 && day >= 1 &&
                   day <= 31 && hour >= 0 && hour <= 23 && minute >= 0 && minute <= 59 && second >= 0 &&
                   second <= 59;
    // A day past the month's end would already be the next month's day number.
    if (inRange && DayNumber(year, month, day) < DayNumber(year, month + 1, 1)) {
        return SetDayNumber(DayNumber(year, month, day), hour * 3600 + minute * 60 + second);
    }
    m_dt = 0;
    m_status = invalid;
    return m_status;
}

int COleDateTime::SetTime(int hour, int minute, int second)
{
    if (hour >= 0 && hour <= 23 && minute >= 0 && minute <= 59 && second >= 0 && second <= 59) {
        return SetDayNumber(0, hour * 3600 + minute * 60 + second);
    }
    m_dt = 0;
    m_status = invalid;
    return m_status;
}

bool COleDateTime::Split(int64_t& dayNumber, int& secondOfDay) const
{
    if (m_status != valid || !std::isfinite(m_dt) || m_dt < static_cast<double>(kFirstDayNumber) - 1 ||
        m_dt > static_cast<double>(kLastDayNumber) + 1) {
        return false;
    }
    double whole = std::trunc(m_dt);
    dayNumber = static_cast<int64_t>(whole);
    int64_t seconds = std::llround(std::fabs(m_dt - whole) * kSecondsPerDay);
    if (seconds >= kSecondsPerDay) {
        seconds -= kSecondsPerDay;
        dayNumber += 1;
    }
    secondOfDay = static_cast<int>(seconds);
    return dayNumber >= kFirstDayNumber && dayNumber <= kLastDayNumber;
}

bool COleDateTime::GetParts(Parts& parts) const
{
    int64_t dayNumber = 0;
    int secondOfDay = 0;
    if (!Split(dayNumber, secondOfDay)) {
        return false;
    }
    int64_t year = 0;
    CivilFromDaysSinceMarchZero(dayNumber + kSerialZero, year, parts.month, parts.day);
    parts.year = static_cast<int>(year);
    parts.hour = secondOfDay / 3600;
    parts.minute = secondOfDay / 60 % 60;
    parts.second = secondOfDay % 60;
    // Day 0 was a Saturday.
    parts.dayOfWeek = static_cast<int>((dayNumber % 7 + 7 + 6) % 7) + 1;
    return true;
}

int64_t COleDateTime::Moment() const
{
    int64_t dayNumber = 0;
    int secondOfDay = 0;
    if (!Split(dayNumber, secondOfDay)) {
        return 0;
    }
    return dayNumber * kSecondsPerDay + secondOfDay;
}

bool COleDateTime::ParseDateTime(std::string_view text, bool timeField, int currentYear)
{
    CDateTextReader::Reading reading;
    if (!CDateTextReader(currentYear, timeField).Read(text, reading)) {
        m_dt = 0;
        m_status = invalid;
        return false;
    }
    const CDateTextReader::Time& time = reading.time;
    if (!reading.hasDate) {
        return SetTime(time.hour, time.minute, time.second) == valid;
    }
    int year = reading.date.year;
    if (reading.date.yearFromClock) {
        Parts now;
        year = GetCurrentTime().GetParts(now) ? now.year : 0;
    }
    return SetDateTime(year, reading.date.month, reading.date.day, time.hour, time.minute, time.second) ==
           valid;
}

CString COleDateTime::Format(const char* pattern) const
{
    Parts parts;
    if (pattern == nullptr || *pattern == '\0' || !GetParts(parts)) {
        return CString();
    }
    std::tm tm{};
    tm.tm_year = parts.year - 1900;
    tm.tm_mon = parts.month - 1;
    tm.tm_mday = parts.day;
    tm.tm_hour = parts.hour;
    tm.tm_min = parts.minute;
    tm.tm_sec = parts.second;
    tm.tm_wday = parts.dayOfWeek - 1;
    tm.tm_yday =
        static_cast<int>(DayNumber(parts.year, parts.month, parts.day) - DayNumber(parts.year, 1, 1));

    // The program's own texts are CP932 whatever the process locale says, so names of days and
    // months come from the "C" locale. A marker byte tells an empty result from a short buffer.
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    std::string marked = std::string(pattern) + "|";
    std::vector<char> buffer(marked.size() * 4 + 64);
    for (;;) {
        size_t length = strftime_l(buffer.data(), buffer.size(), marked.c_str(), &tm, cLocale);
        if (length > 0) {
            return CString(buffer.data(), static_cast<int>(length) - 1);
        }
        if (buffer.size() > 65536 + marked.size() * 64) {
            return CString();
        }
        buffer.resize(buffer.size() * 2);
    }
}

COleDateTime COleDateTime::GetCurrentTime()
{
    // Long edits stamp every cell they change: the local time is worked out once a second.
    thread_local std::time_t lastSecond = -1;
    thread_local COleDateTime lastTime;
    std::time_t now = std::time(nullptr);
    if (now == lastSecond) {
        return lastTime;
    }
    std::tm local{};
    localtime_r(&now, &local);
    COleDateTime result;
    result.SetDateTime(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min,
                       local.tm_sec > 59 ? 59 : local.tm_sec);
    lastSecond = now;
    lastTime = result;
    return result;
}
