#include "foundation/TypedEditValue.h"

#include "foundation/TextHelper.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <cstring>

namespace {

constexpr const char* kDefaultDatePattern = "YYYY/MM/DD";
constexpr const char* kDefaultTimePattern = "HH:NN:SS";

bool IsDigit(unsigned char c)
{
    return c >= '0' && c <= '9';
}

bool IsLetter(unsigned char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// A '-' is typed only in front of a text that has none yet.
bool AcceptMinus(const CString& text, int selStart)
{
    return selStart == 0 && (text.IsEmpty() || text[0] != '-');
}

CString HalfWidth(const CString& text)
{
    CTextHelper half(text);
    if (half.HasDoubleByte()) {
        half.ToHalfWidthKana();
    }
    return half;
}

// The digits, signs and points of a text typed in half or full width.
CString NumberChars(const CString& text)
{
    return CTextHelper(HalfWidth(text)).GetNumberChars(true, true);
}

// An optional sign, digits and at most one point.
bool IsPlainNumber(const CString& text)
{
    bool digit = false;
    bool point = false;
    for (int i = 0; i < text.GetLength(); ++i) {
        const char c = text[i];
        if (IsDigit(static_cast<unsigned char>(c))) {
            digit = true;
        } else if (c == '.' && !point) {
            point = true;
        } else if (!((c == '-' || c == '+') && i == 0)) {
            return false;
        }
    }
    return digit;
}

} // namespace

void CTypedEditValue::SetTextFormat(const TextFormat* format)
{
    m_mode = modeText;
    m_text = format;
}

void CTypedEditValue::SetIntegerFormat(const IntegerFormat* format)
{
    m_mode = modeInteger;
    m_integerFormat = format;
}

void CTypedEditValue::SetRealFormat(const RealFormat* format)
{
    m_mode = modeReal;
    m_realFormat = format;
}

void CTypedEditValue::SetDecimalFormat(const DecimalFormat* format)
{
    m_mode = modeDecimal;
    m_decimal = format;
}

void CTypedEditValue::SetDateFormat(const char* pattern)
{
    m_mode = modeDate;
    m_datePattern = pattern;
}

void CTypedEditValue::SetTimeFormat(const char* pattern)
{
    m_mode = modeTime;
    m_timePattern = pattern;
}

void CTypedEditValue::SetYearMonthFormat(const YearMonthFormat* format)
{
    m_mode = modeYearMonth;
    m_yearMonth = format;
}

bool CTypedEditValue::AcceptChar(unsigned char c, int length, const CString& text, int selStart,
                                 int selEnd) const
{
    if (c < 0x20 || c == 0x7F) {
        return true;
    }
    switch (m_mode) {
    case modeText: {
        const int flags = m_text != nullptr ? m_text->flags : 0;
        // A double-byte character that would pass the limit is refused whole.
        if (m_text != nullptr && m_text->maxLength > 0 && selStart == selEnd &&
            text.GetLength() + length > m_text->maxLength) {
            return false;
        }
        if (IsDigit(c)) {
            return (flags & TF_DIGITS) != 0;
        }
        if (IsLetter(c)) {
            return (flags & (TF_UPPER | TF_LOWER)) != 0;
        }
        if (c >= 0xA0 && c <= 0xDF) {
            return (flags & TF_HALF_KANA) != 0;
        }
        if (c >= 0x80) {
            return (flags & TF_DOUBLE_BYTE) != 0;
        }
        return (flags & TF_SYMBOLS) != 0;
    }
    case modeInteger:
        return IsDigit(c) || (c == '-' && AcceptMinus(text, selStart));
    case modeReal:
        return IsDigit(c) || (c == '.' && text.Find('.') < 0) || (c == '-' && AcceptMinus(text, selStart));
    case modeDecimal:
        return IsDigit(c) ||
               (c == '.' && text.Find('.') < 0 && (m_decimal == nullptr || m_decimal->decimals != 0)) ||
               (c == '-' && AcceptMinus(text, selStart));
    case modeDate:
    case modeTime:
        return true;
    case modeYearMonth:
        return IsDigit(c) || (c == '-' && text.Find('-') < 0);
    case modeDigits:
        return IsDigit(c) || c == '-';
    default:
        return true;
    }
}

CString CTypedEditValue::NarrowTyped(const CString& typed) const
{
    if (m_mode == modeText || typed.GetLength() != 2) {
        return typed;
    }
    const CString half = HalfWidth(typed);
    return half.GetLength() == 1 && (IsDigit(static_cast<unsigned char>(half[0])) || half == "-" || half == "." ||
                                     half == "+")
               ? half
               : typed;
}

CString CTypedEditValue::Parse(const CString& text)
{
    switch (m_mode) {
    case modeInteger:
        return ParseInteger(text);
    case modeReal:
        return ParseReal(text);
    case modeDecimal:
        return ParseDecimal(text);
    case modeDate:
        return ParseDate(text);
    case modeTime:
        return ParseTime(text);
    case modeYearMonth:
        return ParseYearMonth(text);
    default:
        m_refusal.Empty();
        return text;
    }
}

CString CTypedEditValue::ParseInteger(const CString& text)
{
    m_refusal.Empty();
    // strtoll stops at the point, so "1,234.9" reads as 1234; a value past the int range
    // takes its end, so that the format's bounds see how far out it lies.
    const long long value = std::strtoll(NumberChars(text), nullptr, 10);
    return SetInteger(static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX)));
}

CString CTypedEditValue::ParseReal(const CString& text)
{
    m_refusal.Empty();
    return SetReal(std::atof(NumberChars(text)));
}

CString CTypedEditValue::ParseDecimal(const CString& text)
{
    m_refusal.Empty();
    const CString digits = NumberChars(text);
    COleCurrency amount;
    if (digits.IsEmpty()) {
        return SetDecimal(CNumber(amount));
    }
    if (!amount.ParseCurrency(digits.view())) {
        if (IsPlainNumber(digits)) {
            m_refusal.Format("%s は入力できる数値の範囲を超えています", text.GetString());
        } else {
            m_refusal.Format("%s は数値として変換できません", text.GetString());
        }
        return SetDecimal(m_number);
    }
    return SetDecimal(CNumber(amount));
}

CString CTypedEditValue::ParseDate(const CString& text)
{
    m_refusal.Empty();
    CDateEx date;
    if (!date.ParseDateTime(text.view()) && !CString(text).Trim().IsEmpty()) {
        m_refusal.Format("%s は日付として変換できません", text.GetString());
        return SetDate(m_date);
    }
    return SetDate(date);
}

CString CTypedEditValue::ParseTime(const CString& text)
{
    m_refusal.Empty();
    CDateEx time;
    if (!time.ParseDateTime(text.view(), true) && !CString(text).Trim().IsEmpty()) {
        m_refusal.Format("%s は時刻として変換できません", text.GetString());
        return SetTime(m_date);
    }
    return SetTime(time);
}

CString CTypedEditValue::ParseYearMonth(const CString& typed)
{
    m_refusal.Empty();
    const CString text = HalfWidth(typed);
    if (text.IsEmpty()) {
        return SetYearMonth(0);
    }
    int lastOther = -1;
    for (int i = 0; i < text.GetLength(); ++i) {
        if (!IsDigit(static_cast<unsigned char>(text[i]))) {
            lastOther = i;
        }
    }
    const int whole = std::atoi(text);
    if (lastOther < 0) {
        // Up to four digits are a year alone; longer runs are year and month together.
        return SetYearMonth(text.GetLength() <= 4 ? whole * 100 + 1 : whole);
    }
    const CString month = text.Mid(lastOther + 1);
    // "2008年" and "2008-" name a year without its month.
    if (month.IsEmpty()) {
        return SetYearMonth(whole * 100 + 1);
    }
    return SetYearMonth(whole * 100 + std::atoi(month));
}

CString CTypedEditValue::SetInteger(int value)
{
    const int flags = m_integerFormat != nullptr ? m_integerFormat->flags : 0;
    if ((flags & NF_MINIMUM) != 0 && value < m_integerFormat->minimum) {
        value = m_integerFormat->minimum;
    }
    if ((flags & NF_MAXIMUM) != 0 && value > m_integerFormat->maximum) {
        value = m_integerFormat->maximum;
    }
    m_integer = value;
    return CNumber(value).Format((flags & NF_SEPARATORS) != 0, 0, (flags & NF_SHOW_ZERO) != 0);
}

CString CTypedEditValue::SetReal(double value)
{
    const int flags = m_realFormat != nullptr ? m_realFormat->flags : 0;
    // Written so that a value that is no number at all becomes the minimum.
    if ((flags & NF_MINIMUM) != 0 && !(value >= m_realFormat->minimum)) {
        value = m_realFormat->minimum;
    }
    if ((flags & NF_MAXIMUM) != 0 && value > m_realFormat->maximum) {
        value = m_realFormat->maximum;
    }
    m_real = value;
    CString text;
    text.Format("%.*f", m_realFormat != nullptr ? m_realFormat->decimals : 0, value);
    return (flags & NF_SEPARATORS) != 0 ? InsertThousandsSeparators(text) : text;
}

CString CTypedEditValue::SetDecimal(const CNumber& value)
{
    const int flags = m_decimal != nullptr ? m_decimal->flags : 0;
    m_number = value;
    const int64_t units = value.GetValue().GetUnits();
    if ((flags & NF_MAXIMUM) != 0 && units > m_decimal->maximum) {
        m_number = CNumber(COleCurrency(m_decimal->maximum));
    }
    if ((flags & NF_MINIMUM) != 0 && m_number.GetValue().GetUnits() < m_decimal->minimum) {
        m_number = CNumber(COleCurrency(m_decimal->minimum));
    }
    return m_number.Format((flags & NF_SEPARATORS) != 0, m_decimal != nullptr ? m_decimal->decimals : 0,
                           (flags & NF_SHOW_ZERO) != 0);
}

CString CTypedEditValue::SetDate(const CDateEx& value)
{
    m_date = value;
    if (!value.IsValid()) {
        return CString();
    }
    return value.FormatDate(m_datePattern != nullptr ? m_datePattern : kDefaultDatePattern);
}

CString CTypedEditValue::SetTime(const CDateEx& value)
{
    m_date = value;
    COleDateTime::Parts parts;
    if (!value.GetValue().GetParts(parts)) {
        return CString();
    }
    return FormatTime(parts.hour, parts.minute, parts.second,
                      m_timePattern != nullptr ? m_timePattern : kDefaultTimePattern);
}

CString CTypedEditValue::SetYearMonth(int value)
{
    const int flags = m_yearMonth != nullptr ? m_yearMonth->flags : 0;
    if (value == 0 && (flags & YMF_EMPTY_FOR_ZERO) != 0) {
        m_integer = 0;
        return CString();
    }
    int year = value / 100;
    int month = value % 100;
    if (month <= 0) {
        month += 12;
        --year;
    }
    year += (month - 1) / 12;
    month = (month - 1) % 12 + 1;
    value = year * 100 + month;
    if ((flags & YMF_MAXIMUM) != 0 && value > m_yearMonth->maximum) {
        value = m_yearMonth->maximum;
    }
    if ((flags & YMF_MINIMUM) != 0 && value < m_yearMonth->minimum) {
        value = m_yearMonth->minimum;
    }
    m_integer = value;
    CString text;
    text.Format("%04d-%02d", value / 100, value % 100);
    return text;
}

int CTypedEditValue::GetFocusImeMode() const
{
    if (m_mode != modeText) {
        return 1;
    }
    return m_text != nullptr ? m_text->imeMode : 1;
}

CString CTypedEditValue::InsertThousandsSeparators(const CString& number)
{
    const int sign = (!number.IsEmpty() && number[0] == '-') ? 1 : 0;
    int end = number.Find('.');
    if (end < 0) {
        end = number.GetLength();
    }
    CString result = number;
    for (int pos = end - 3; pos > sign; pos -= 3) {
        result.Insert(pos, ',');
    }
    return result;
}

CString CTypedEditValue::FormatTime(int hour, int minute, int second, const char* pattern)
{
    CString text;
    for (const char* p = pattern; *p != '\0';) {
        const int values[] = {hour, minute, second};
        const char letters[] = {'H', 'N', 'S'};
        bool matched = false;
        for (int i = 0; i < 3 && !matched; ++i) {
            if (p[0] == letters[i] && p[1] == letters[i]) {
                text.AppendFormat("%02d", values[i]);
                p += 2;
                matched = true;
            } else if (p[0] == letters[i]) {
                text.AppendFormat("%d", values[i]);
                p += 1;
                matched = true;
            }
        }
        if (!matched) {
            text += *p++;
        }
    }
    return text;
}
