#pragma once

#include "foundation/DateEx.h"
#include "foundation/Number.h"
#include "foundation/TypedEditFormats.h"
#include "platform/CString.h"

// The value behind a typed edit in its mode: which typed characters it admits, how a text is
// read into a value, and the text each value is shown as. Setters and parsers return the text
// the edit shows next.
class CTypedEditValue
{
  public:
    enum Mode
    {
        modeText = 0,
        modeInteger = 1,
        modeReal = 2,
        modeDecimal = 3,
        modeDate = 4,
        modeTime = 5,
        modeYearMonth = 6,
        modeDigits = 7,
    };

    int GetMode() const { return m_mode; }
    void SetTextFormat(const TextFormat* format);
    void SetIntegerFormat(const IntegerFormat* format);
    void SetRealFormat(const RealFormat* format);
    void SetDecimalFormat(const DecimalFormat* format);
    void SetDateFormat(const char* pattern);
    void SetTimeFormat(const char* pattern);
    void SetYearMonthFormat(const YearMonthFormat* format);
    void SetDigitsMode() { m_mode = modeDigits; }

    const TextFormat* GetTextFormat() const { return m_text; }
    const DecimalFormat* GetDecimalFormat() const { return m_decimal; }

    // Typed characters. c is the character's first CP932 byte, length its byte count; text is
    // the present text, selStart and selEnd the selection. Control characters always pass.
    bool AcceptChar(unsigned char c, int length, const CString& text, int selStart, int selEnd) const;

    // In the modes that take digits and signs, a typed full-width digit or sign becomes its
    // half-width form (１ becomes 1); other characters and text mode keep theirs.
    CString NarrowTyped(const CString& typed) const;

    // Reads the text by the mode (integer to year-month) and returns the text in the mode's own
    // form; text and digit modes return the text unchanged. Full-width digits and signs count as
    // half-width ones. A decimal that does not fit or is malformed and a date or time that does
    // not exist are refused: the value stays, its text is returned and GetRefusal tells why.
    CString Parse(const CString& text);
    CString ParseInteger(const CString& text);
    CString ParseReal(const CString& text);
    CString ParseDecimal(const CString& text);
    CString ParseDate(const CString& text);
    CString ParseTime(const CString& text);
    CString ParseYearMonth(const CString& text);

    // Store a value, clamped by the format, and return its text.
    CString SetInteger(int value);
    CString SetReal(double value);
    CString SetDecimal(const CNumber& value);
    CString SetDate(const CDateEx& value);
    CString SetTime(const CDateEx& value);
    CString SetYearMonth(int value);

    // Why the last parse refused its text, in Japanese; empty when it took it.
    const CString& GetRefusal() const { return m_refusal; }

    int GetInteger() const { return m_integer; }
    double GetReal() const { return m_real; }
    const CNumber& GetDecimal() const { return m_number; }
    const CDateEx& GetDate() const { return m_date; }
    // Year x 100 + month.
    int GetYearMonth() const { return m_integer; }

    // The input method mode to set when the edit gains the focus (SetImeMode's values).
    int GetFocusImeMode() const;

    // "1234567.5" becomes "1,234,567.5"; a leading "-" never gets a separator behind it.
    static CString InsertThousandsSeparators(const CString& number);
    // A time by a pattern of HH, H, NN, N, SS and S; other bytes are copied.
    static CString FormatTime(int hour, int minute, int second, const char* pattern);

  private:
    int m_mode = modeText;
    const TextFormat* m_text = nullptr;
    const IntegerFormat* m_integerFormat = nullptr;
    const RealFormat* m_realFormat = nullptr;
    const DecimalFormat* m_decimal = nullptr;
    const char* m_datePattern = nullptr;
    const char* m_timePattern = nullptr;
    const YearMonthFormat* m_yearMonth = nullptr;

    int m_integer = 0;
    double m_real = 0;
    CNumber m_number;
    CDateEx m_date;
    CString m_refusal;
};
