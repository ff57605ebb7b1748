#include "foundation/DateTextReader.h"

#include "foundation/JapaneseEra.h"
#include "foundation/TextHelper.h"
#include "foundation/WeekdayName.h"
#include "platform/Cp932.h"

#include <cctype>

namespace {

// Cursor over the text being read; it only ever stops between characters.
struct Cursor
{
    std::string_view text;
    size_t pos = 0;

    bool AtEnd() const { return pos >= text.size(); }
    bool Take(std::string_view word)
    {
        if (text.substr(pos, word.size()) == word) {
            pos += word.size();
            return true;
        }
        return false;
    }
    // True when any blank was passed.
    bool SkipBlanks()
    {
        const size_t start = pos;
        while (!AtEnd() && (text[pos] == ' ' || text[pos] == '\t')) {
            ++pos;
        }
        return pos > start;
    }
    // Reads a run of digits into value; false when there is none or it is longer than maxDigits.
    bool Number(int maxDigits, int& value, int* digitCount = nullptr)
    {
        int count = 0;
        value = 0;
        while (!AtEnd() && std::isdigit(static_cast<unsigned char>(text[pos]))) {
            if (++count > maxDigits) {
                return false;
            }
            value = value * 10 + (text[pos] - '0');
            ++pos;
        }
        if (digitCount != nullptr) {
            *digitCount = count;
        }
        return count > 0;
    }
};

using Day = CDateTextReader::Date;
using Clock = CDateTextReader::Time;

constexpr std::string_view kSeparators[] = {"/", "-", "."};

// The month and day behind a year: 年M月D日, or a separator, M, the same separator and D.
bool ReadAfterYear(Cursor& in, Day& date)
{
    if (in.Take("年")) {
        in.SkipBlanks();
        if (!in.Number(2, date.month) || !in.Take("月")) {
            return false;
        }
        in.SkipBlanks();
        return in.Number(2, date.day) && in.Take("日");
    }
    for (std::string_view separator : kSeparators) {
        if (in.Take(separator)) {
            return in.Number(2, date.month) && in.Take(separator) && in.Number(2, date.day);
        }
    }
    return false;
}

const JapaneseEra* ReadEra(Cursor& in)
{
    // Names and letters of eras never start with a digit, as most dates do.
    if (!in.AtEnd() && std::isdigit(static_cast<unsigned char>(in.text[in.pos]))) {
        return nullptr;
    }
    for (const JapaneseEra& era : JapaneseEra::All()) {
        if (in.Take(era.name)) {
            return &era;
        }
    }
    // The first character alone, as the GG pattern shows it.
    for (const JapaneseEra& era : JapaneseEra::All()) {
        std::string_view name = era.name;
        if (in.Take(name.substr(0, Cp932::CharLength(name, 0)))) {
            return &era;
        }
    }
    if (!in.AtEnd()) {
        const char letter = static_cast<char>(std::toupper(static_cast<unsigned char>(in.text[in.pos])));
        for (const JapaneseEra& era : JapaneseEra::All()) {
            if (letter == era.letter) {
                ++in.pos;
                return &era;
            }
        }
    }
    return nullptr;
}

bool ReadEraDate(Cursor& in, Day& date)
{
    const JapaneseEra* era = ReadEra(in);
    if (era == nullptr) {
        return false;
    }
    in.SkipBlanks();
    int eraYear = 1;
    if (!in.Take("元") && (!in.Number(2, eraYear) || eraYear == 0)) {
        return false;
    }
    if (!ReadAfterYear(in, date)) {
        return false;
    }
    date.year = era->firstYear + eraYear - 1;
    return date.year * 10000 + date.month * 100 + date.day >= era->FirstDayKey();
}

bool ReadDate(Cursor& in, int currentYear, Day& date)
{
    const size_t start = in.pos;
    if (ReadEraDate(in, date)) {
        return true;
    }
    in.pos = start;
    int digits = 0;
    int value = 0;
    if (in.Number(8, value, &digits) && digits == 8) {
        date = Day{value / 10000, value / 100 % 100, value % 100};
        return true;
    }
    in.pos = start;
    if (in.Number(4, date.year, &digits) && ReadAfterYear(in, date)) {
        if (digits <= 2) {
            date.year += date.year < 30 ? 2000 : 1900;
        }
        return true;
    }
    in.pos = start;
    date = Day{currentYear, 0, 0, currentYear == 0};
    if (in.Number(2, date.month)) {
        if (in.Take("月")) {
            in.SkipBlanks();
            return in.Number(2, date.day) && in.Take("日");
        }
        for (std::string_view separator : kSeparators) {
            if (in.Take(separator)) {
                return in.Number(2, date.day);
            }
        }
    }
    return false;
}

void SkipWeekday(Cursor& in)
{
    const size_t start = in.pos;
    in.SkipBlanks();
    if (in.AtEnd()) {
        in.pos = start;
        return;
    }
    const bool open = in.Take("(");
    for (int index = 0; index < 7; ++index) {
        for (bool japanese : {true, false}) {
            if (in.Take(CWeekdayName::Of(index, japanese)) && (!open || in.Take(")"))) {
                return;
            }
        }
    }
    in.pos = start;
}

bool ReadTime(Cursor& in, Clock& time)
{
    time = Clock{};
    if (!in.Number(2, time.hour)) {
        return false;
    }
    if (in.Take(":")) {
        return in.Number(2, time.minute) && (!in.Take(":") || in.Number(2, time.second));
    }
    if (!in.Take("時")) {
        return false;
    }
    int digits = 0;
    if (!in.Number(2, time.minute, &digits)) {
        return digits == 0;
    }
    if (!in.Take("分")) {
        return false;
    }
    if (!in.Number(2, time.second, &digits)) {
        return digits == 0;
    }
    return in.Take("秒");
}

// Four or six digits: HHMM or HHMMSS.
bool ReadDigitTime(Cursor& in, Clock& time)
{
    int value = 0;
    int digits = 0;
    if (!in.Number(6, value, &digits)) {
        return false;
    }
    if (digits == 4) {
        time = Clock{value / 100, value % 100, 0};
        return true;
    }
    if (digits == 6) {
        time = Clock{value / 10000, value / 100 % 100, value % 100};
        return true;
    }
    return false;
}

bool IsDigitBefore(const Cursor& in)
{
    return in.pos > 0 && std::isdigit(static_cast<unsigned char>(in.text[in.pos - 1]));
}

// A date and time as lists store them ("2024/01/02 03:04:05"), every row one: read by its
// fixed positions. False for any other text.
bool ReadStoredForm(std::string_view text, CDateTextReader::Reading& reading)
{
    constexpr std::string_view kShape = "0000/00/00 00:00:00";
    if (text.size() != kShape.size()) {
        return false;
    }
    int numbers[6] = {};
    int count = 0;
    for (size_t i = 0; i < kShape.size(); ++i) {
        const bool digit = std::isdigit(static_cast<unsigned char>(text[i])) != 0;
        if (kShape[i] != '0') {
            if (text[i] != kShape[i]) {
                return false;
            }
            ++count;
        } else if (!digit) {
            return false;
        } else {
            numbers[count] = numbers[count] * 10 + (text[i] - '0');
        }
    }
    reading = CDateTextReader::Reading{true, Day{numbers[0], numbers[1], numbers[2]},
                                       Clock{numbers[3], numbers[4], numbers[5]}};
    return true;
}

} // namespace

bool CDateTextReader::Read(std::string_view text, Reading& reading) const
{
    if (ReadStoredForm(text, reading)) {
        return true;
    }
    CTextHelper half{CString(text)};
    if (half.HasDoubleByte()) {
        half.ToHalfWidthKana();
    }
    Cursor in{half.view()};
    in.SkipBlanks();
    while (in.text.size() > in.pos && (in.text.back() == ' ' || in.text.back() == '\t')) {
        in.text.remove_suffix(1);
    }
    const size_t start = in.pos;

    Clock time;
    bool timeAlone = ReadTime(in, time) && in.AtEnd();
    if (!timeAlone) {
        in.pos = start;
        timeAlone = m_timeField && ReadDigitTime(in, time) && in.AtEnd();
    }
    if (timeAlone) {
        reading = Reading{false, Day{}, time};
        return true;
    }
    in.pos = start;
    Day date;
    time = Clock{};
    bool complete = ReadDate(in, m_currentYear, date);
    if (complete) {
        SkipWeekday(in);
        // A time follows a date ending in a digit only after a blank: 2008/3/414:00 is no date.
        const bool afterDigit = IsDigitBefore(in);
        const bool blank = in.SkipBlanks();
        complete = in.AtEnd() || ((blank || !afterDigit) && ReadTime(in, time) && in.AtEnd());
    }
    if (complete) {
        reading = Reading{true, date, time};
    }
    return complete;
}
