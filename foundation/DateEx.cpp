#include "foundation/DateEx.h"

#include "foundation/JapaneseEra.h"
#include "platform/Cp932.h"

#include <charconv>
#include <string>
#include <string_view>

namespace {

const JapaneseEra kBeforeEras = {' ', "", 0, 0, 0};

const JapaneseEra& EraOf(const COleDateTime::Parts& parts)
{
    const int day = parts.year * 10000 + parts.month * 100 + parts.day;
    for (const JapaneseEra& era : JapaneseEra::All()) {
        if (day >= era.FirstDayKey()) {
            return era;
        }
    }
    return kBeforeEras;
}

int EraYear(const JapaneseEra& era, const COleDateTime::Parts& parts)
{
    return era.firstYear == 0 ? 0 : parts.year - era.firstYear + 1;
}

// Appends value as "%d" (width 0), "%02d" (width 2, fill '0') or "%4d" (width 4, fill ' ') would:
// every list's dates are formatted for its pages and files, too many for printf each.
void AppendNumber(std::string& out, int value, size_t width = 0, char fill = ' ')
{
    char digits[16];
    const char* end = std::to_chars(digits, digits + sizeof(digits), value).ptr;
    const char* first = digits;
    const size_t length = static_cast<size_t>(end - digits);
    const size_t pad = width > length ? width - length : 0;
    if (fill == '0' && value < 0) {
        out += *first++;
    }
    out.append(pad, fill);
    out.append(first, end);
}

int WeekdayIndex(const COleDateTime::Parts& parts)
{
    // dayOfWeek is 1 for Sunday.
    return (parts.dayOfWeek + 5) % 7;
}

} // namespace

void CDateEx::SetDateTime(int year, int month, int day, int hour, int minute, int second)
{
    int64_t seconds = (static_cast<int64_t>(hour) * 60 + minute) * 60 + second;
    m_value.SetDayNumber(COleDateTime::DayNumber(year, month, day), seconds);
}

char CDateEx::GetEra() const
{
    COleDateTime::Parts parts;
    return m_value.GetParts(parts) ? EraOf(parts).letter : ' ';
}

CString CDateEx::GetEraName() const
{
    COleDateTime::Parts parts;
    return m_value.GetParts(parts) ? CString(EraOf(parts).name) : CString();
}

int CDateEx::GetEraYear() const
{
    COleDateTime::Parts parts;
    return m_value.GetParts(parts) ? EraYear(EraOf(parts), parts) : 0;
}

int CDateEx::GetWeekdayIndex() const
{
    COleDateTime::Parts parts;
    return m_value.GetParts(parts) ? WeekdayIndex(parts) : -1;
}

CString CDateEx::GetWeekdayName(bool japanese) const
{
    int index = GetWeekdayIndex();
    if (index < 0) {
        return CString();
    }
    return WeekdayName(index, japanese);
}

CString CDateEx::FormatDate(const char* pattern) const
{
    COleDateTime::Parts parts;
    if (pattern == nullptr || !m_value.GetParts(parts)) {
        return CString();
    }
    const JapaneseEra& era = EraOf(parts);
    int eraYear = EraYear(era, parts);
    std::string_view eraName = era.name;

    std::string_view text = pattern;
    CString result;
    std::string& out = result.str();
    size_t pos = 0;
    // Tokens are tried longest first at each position.
    auto token = [&](std::string_view word) {
        if (text[pos] != word.front() || text.substr(pos, word.size()) != word) {
            return false;
        }
        pos += word.size();
        return true;
    };
    while (pos < text.size()) {
        if (token("YYYY")) {
            AppendNumber(out, parts.year, 4);
        } else if (token("YY")) {
            AppendNumber(out, parts.year % 100, 2, '0');
        } else if (token("GGG")) {
            out.append(eraName);
        } else if (token("GG")) {
            out.append(eraName.substr(0, 2));
        } else if (token("G")) {
            out += era.letter;
        } else if (token("EE")) {
            AppendNumber(out, eraYear, 2, '0');
        } else if (token("E")) {
            AppendNumber(out, eraYear);
        } else if (token("MM")) {
            AppendNumber(out, parts.month, 2, '0');
        } else if (token("M")) {
            AppendNumber(out, parts.month);
        } else if (token("DD")) {
            AppendNumber(out, parts.day, 2, '0');
        } else if (token("D")) {
            AppendNumber(out, parts.day);
        } else if (token("WW")) {
            out.append(WeekdayName(WeekdayIndex(parts), true));
        } else if (token("W")) {
            out.append(WeekdayName(WeekdayIndex(parts), false));
        } else if (token("HH")) {
            AppendNumber(out, parts.hour, 2, '0');
        } else if (token("H")) {
            AppendNumber(out, parts.hour);
        } else if (token("NNN")) {
            AppendNumber(out, parts.hour * 60 + parts.minute);
        } else if (token("NN")) {
            AppendNumber(out, parts.minute, 2, '0');
        } else if (token("N")) {
            AppendNumber(out, parts.minute);
        } else if (token("SS")) {
            AppendNumber(out, parts.second, 2, '0');
        } else if (token("S")) {
            AppendNumber(out, parts.second);
        } else {
            // "&" quotes the character after it, a double-byte character whole; a final "&"
            // quotes nothing and stands for itself.
            if (text[pos] == '&' && pos + 1 < text.size()) {
                ++pos;
            }
            size_t length = Cp932::CharLength(text, pos);
            out.append(text.substr(pos, length));
            pos += length;
        }
    }
    return result;
}

const char* CDateEx::WeekdayName(int index, bool japanese)
{
    static const char* const japaneseNames[] = {"月", "火", "水", "木", "金", "土", "日"};
    static const char* const englishNames[] = {"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"};
    return japanese ? japaneseNames[index] : englishNames[index];
}

int GetDaysInMonth(int year, int month)
{
    if (month < 1 || month > 12) {
        return 0;
    }
    return static_cast<int>(COleDateTime::DayNumber(year, month + 1, 1) -
                            COleDateTime::DayNumber(year, month, 1));
}

CDateEx GetToday()
{
    COleDateTime::Parts now;
    CDateEx today;
    if (COleDateTime::GetCurrentTime().GetParts(now)) {
        today.SetDate(now.year, now.month, now.day);
    }
    return today;
}
