#pragma once

#include "foundation/OleCurrency.h"
#include "platform/Arrays.h"
#include "platform/CString.h"

#include <cstdint>
#include <string_view>

// An exact decimal value with four decimals: formatting, arithmetic that turns overflow into an
// invalid status, rounding by decimal places and by significant figures, and the evaluator of
// typed arithmetic expressions, which leaves its error code and Japanese message in the number.
class CNumber
{
  public:
    // Error codes of ParseExpression.
    enum Error
    {
        errorNone = 0,
        errorBlank = 1,      // nothing but blanks
        errorDoubleByte = 2, // a double-byte character that has no single-byte form
        errorSyntax = 3,     // operators, parentheses or nesting
        errorValue = 4,      // an operand is no number, or an operation failed
        errorCall = 5,       // a malformed function call
        errorFunction = 6,   // no such function
        errorArguments = 7,  // wrong number of arguments
    };

    CNumber() = default;
    explicit CNumber(int n) : m_value(static_cast<int64_t>(n) * COleCurrency::kUnitsPerOne) {}
    explicit CNumber(const COleCurrency& value) : m_value(value) {}
    CNumber(const CNumber&) = default;
    CNumber& operator=(const CNumber&) = default;
    virtual ~CNumber() = default;

    const COleCurrency& GetValue() const { return m_value; }
    void SetValue(const COleCurrency& value) { m_value = value; }
    COleCurrency::CurrencyStatus GetStatus() const { return m_value.GetStatus(); }
    bool IsValid() const { return m_value.IsValid(); }
    int GetErrorCode() const { return m_error; }
    const CString& GetErrorMessage() const { return m_message; }

    void SetInteger(int n);
    // The whole part, truncated toward zero and clamped to the int range.
    int ToInt() const;

    // The value with |decimals| (0 to 4) decimals cut off, not rounded; a negative count blanks
    // trailing zero decimals (and the point when all are zero) so that the width stays. An
    // invalid value, and 0 unless showZero, give "".
    CString Format(bool commas, int decimals, bool showZero) const;
    // Format's text of a value as files store it: one that shows as zero is stored as zero,
    // never as "-0", so that it reads back as it was written.
    CString FormatStored(bool commas, int decimals, bool showZero) const;
    // Format's text put into the pattern's "%s" ("%%" stands for "%"); a negative value uses
    // the negative pattern, when there is one, with the magnitude.
    CString FormatWithPattern(const char* positive, const char* negative, bool commas, int decimals,
                              bool showZero) const;

    // Arithmetic. Results carry error 0 and no message; an invalid operand or a result beyond
    // the 64-bit range gives an invalid status. Products and quotients are cut toward zero to
    // four decimals; a zero divisor gives an invalid status.
    CNumber operator+(const CNumber& other) const;
    CNumber operator-(const CNumber& other) const;
    CNumber Negate() const;
    CNumber Multiply(const CNumber& other) const;
    CNumber Divide(const CNumber& other) const;

    // Rounding in place to a number of decimals (0 to 4; negative counts round to tens,
    // hundreds ...), returning a copy with error 0. Round is half away from zero, RoundUp away
    // from zero, RoundDown toward zero, RoundJis half to even. A result beyond the 64-bit range
    // makes the value invalid.
    CNumber Round(int digits);
    CNumber RoundUp(int digits);
    CNumber RoundDown(int digits);
    CNumber RoundJis(int digits);
    // The same four ways of rounding, to a number of significant figures.
    CNumber Fix(int figures);
    CNumber FixUp(int figures);
    CNumber FixDown(int figures);
    CNumber FixJis(int figures);

    // Reads a number or an expression (+ - * /, parentheses, ROUND ROUNDUP ROUNDDOWN ROUNDJIS
    // with 1 or 2 arguments, FIX FIXUP FIXDOWN FIXJIS with 2). Full-width characters count as
    // their single-byte forms. Sets value, error code and message, and returns a copy; after an
    // error the value is 0 with status invalid.
    CNumber ParseExpression(const CString& text);
    // Evaluates text that has passed the checks of ParseExpression; this number carries the
    // error state, so an evaluation that finds an error already set returns at once.
    CNumber EvaluateExpression(const CString& text);
    // Splits NAME(a,b,...) into NAME, a, b ...; false (error 5) without a name before "(".
    bool ParseFunctionCall(const CString& text, CStringArray& list);

    // Calls the function named by list[0] with the arguments after it.
    virtual CNumber CallFunction(const CStringArray& list);
    virtual CNumber FnRound(const CStringArray& list);
    virtual CNumber FnRoundUp(const CStringArray& list);
    virtual CNumber FnRoundDown(const CStringArray& list);
    virtual CNumber FnRoundJis(const CStringArray& list);
    virtual CNumber FnFix(const CStringArray& list);
    virtual CNumber FnFixDown(const CStringArray& list);
    virtual CNumber FnFixUp(const CStringArray& list);
    virtual CNumber FnFixJis(const CStringArray& list);

  private:
    enum class Rounding
    {
        HalfAwayFromZero,
        Up,
        Down,
        HalfEven
    };

    CNumber RoundToUnit(int64_t exponent, Rounding rounding);
    CNumber RoundToDigits(int digits, Rounding rounding);
    CNumber RoundToFigures(int figures, Rounding rounding);

    bool CheckSyntax(std::string_view text);
    CNumber Evaluate(std::string_view text);
    CNumber EvaluateSum(std::string_view text);
    // negative: the text stands behind a leading minus, which belongs to its first operand.
    CNumber EvaluateProduct(std::string_view text, bool negative = false);
    CNumber EvaluateOperand(std::string_view text, bool negative = false);
    CNumber CallRounding(const CStringArray& list, bool figures, CNumber (CNumber::*round)(int));
    void SetError(int code, const char* message);
    void SetError(int code, const char* format, std::string_view subject);

    COleCurrency m_value;
    int m_error = errorNone;
    CString m_message;
    // Evaluations under way, so that crafted nesting cannot exhaust the stack.
    int m_nesting = 0;
};
