#include "foundation/DateEx.h"

#include "foundation/JapaneseEra.h"
#include "foundation/TextHelper.h"
#include "foundation/WeekdayName.h"
#include "platform/Cp932.h"

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
    return CWeekdayName::Of(index, japanese);
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
            CTextHelper::AppendInt(out, parts.year, 4);
        } else if (token("YY")) {
            CTextHelper::AppendInt(out, parts.year % 100, 2, '0');
        } else if (token("GGG")) {
            out.append(eraName);
        } else if (token("GG")) {
            out.append(eraName.substr(0, 2));
        } else if (token("G")) {
            out += era.letter;
        } else if (token("EE")) {
            CTextHelper::AppendInt(out, eraYear, 2, '0');
        } else if (token("E")) {
            CTextHelper::AppendInt(out, eraYear);
        } else if (token("MM")) {
            CTextHelper::AppendInt(out, parts.month, 2, '0');
        } else if (token("M")) {
            CTextHelper::AppendInt(out, parts.month);
        } else if (token("DD")) {
            CTextHelper::AppendInt(out, parts.day, 2, '0');
        } else if (token("D")) {
            CTextHelper::AppendInt(out, parts.day);
        } else if (token("WW")) {
            out.append(CWeekdayName::Of(WeekdayIndex(parts), true));
        } else if (token("W")) {
            out.append(CWeekdayName::Of(WeekdayIndex(parts), false));
        } else if (token("HH")) {
            CTextHelper::AppendInt(out, parts.hour, 2, '0');
        } else if (token("H")) {
            CTextHelper::AppendInt(out, parts.hour);
        } else if (token("NNN")) {
            CTextHelper::AppendInt(out, parts.hour * 60 + parts.minute);
        } else if (token("NN")) {
            CTextHelper::AppendInt(out, parts.minute, 2, '0');
        } else if (token("N")) {
            CTextHelper::AppendInt(out, parts.minute);
        } else if (token("SS")) {
            CTextHelper::AppendInt(out, parts.second, 2, '0');
        } else if (token("S")) {
            CTextHelper::AppendInt(out, parts.second);
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
