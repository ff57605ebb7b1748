#include "foundation/Number.h"

#include "foundation/TextHelper.h"

#include <algorithm>
#include <climits>
#include <string>

namespace {

using uint128 = unsigned __int128;

constexpr int64_t kOne = COleCurrency::kUnitsPerOne;
constexpr int kDecimals = 4;
// Every magnitude lies below 10^19 units, so a rounding unit of 10^20 acts like any larger one.
constexpr int64_t kMaxUnitExponent = 20;
// Evaluations inside one another; each pair of parentheses or function call adds one.
constexpr int kMaxNesting = 64;

uint128 PowerOfTen(int64_t exponent)
{
    uint128 power = 1;
    for (; exponent > 0; --exponent) {
        power *= 10;
    }
    return power;
}

uint64_t Magnitude(int64_t units)
{
    return units < 0 ? 0 - static_cast<uint64_t>(units) : static_cast<uint64_t>(units);
}

// Puts the sign back on a magnitude; false when the result leaves the 64-bit range.
bool ToSigned(uint128 magnitude, bool negative, int64_t& units)
{
    const uint128 limit = static_cast<uint128>(INT64_MAX) + 1;
    if (magnitude > limit || (!negative && magnitude == limit)) {
        return false;
    }
    units = negative ? static_cast<int64_t>(0 - static_cast<uint64_t>(magnitude))
                     : static_cast<int64_t>(magnitude);
    return true;
}

CNumber Invalid(int64_t units)
{
    return CNumber(COleCurrency(units, COleCurrency::invalid));
}

// A pattern with one "%s" for the text; "%%" is a percent sign and any other "%" stands as it is,
// so that a pattern typed by a user can never read arguments that are not there.
CString ApplyPattern(const char* pattern, const CString& text)
{
    CString result;
    bool placed = false;
    for (const char* p = pattern; *p != '\0'; ++p) {
        if (p[0] == '%' && p[1] == '%') {
            result += '%';
            ++p;
        } else if (p[0] == '%' && p[1] == 's' && !placed) {
            result += text;
            placed = true;
            ++p;
        } else {
            result += *p;
        }
    }
    return result;
}

// Calls visit(piece, the operator before it or 0, the text from the start to the piece's end)
// for each piece of the text between the operators that stand outside parentheses, the last
// piece even when it is empty, until visit returns false.
template <class Visit> void ForEachPiece(std::string_view text, std::string_view operators, Visit visit)
{
    char op = 0;
    size_t start = 0;
    int depth = 0;
    for (size_t i = 0; i <= text.size(); ++i) {
        bool end = i == text.size();
        char ch = end ? '\0' : text[i];
        if (ch == '(') {
            ++depth;
        } else if (ch == ')') {
            depth -= depth > 0 ? 1 : 0;
        } else if (end || (depth == 0 && operators.find(ch) != std::string_view::npos)) {
            if (!visit(text.substr(start, i - start), op, text.substr(0, i))) {
                return;
            }
            op = ch;
            start = i + 1;
        }
    }
}

} // namespace

void CNumber::SetInteger(int n)
{
    m_value = COleCurrency(static_cast<int64_t>(n) * kOne);
    m_error = errorNone;
    m_message.Empty();
}

int CNumber::ToInt() const
{
    int64_t whole = m_value.GetUnits() / kOne;
    return static_cast<int>(std::clamp<int64_t>(whole, INT_MIN, INT_MAX));
}

CString CNumber::Format(bool commas, int decimals, bool showZero) const
{
    int64_t units = m_value.GetUnits();
    if (!IsValid() || (units == 0 && !showZero)) {
        return CString();
    }
    // At least one whole digit and the four decimals.
    char digits[24];
    int length = 0;
    for (uint64_t rest = Magnitude(units); rest > 0 || length <= kDecimals; rest /= 10) {
        digits[length++] = static_cast<char>('0' + rest % 10);
    }
    std::reverse(digits, digits + length);
    int wholeLength = length - kDecimals;
    int shown = std::min(decimals < 0 ? -decimals : decimals, kDecimals);

    char text[64];
    int out = 0;
    if (units < 0) {
        text[out++] = '-';
    }
    for (int i = 0; i < wholeLength; ++i) {
        if (commas && i > 0 && (wholeLength - i) % 3 == 0) {
            text[out++] = ',';
        }
        text[out++] = digits[i];
    }
    if (shown > 0) {
        int point = out;
        text[out++] = '.';
        for (int i = 0; i < shown; ++i) {
            text[out++] = digits[wholeLength + i];
        }
        if (decimals < 0) {
            int last = out - 1;
            while (last > point && text[last] == '0') {
                text[last--] = ' ';
            }
            if (last == point) {
                text[point] = ' ';
            }
        }
    }
    return CString(text, out);
}

CString CNumber::FormatStored(bool commas, int decimals, bool showZero) const
{
    const CString text = Format(commas, decimals, true);
    if (text.FindOneOf("123456789") < 0) {
        return CNumber(0).Format(commas, decimals, showZero);
    }
    return text;
}

CString CNumber::FormatWithPattern(const char* positive, const char* negative, bool commas, int decimals,
                                   bool showZero) const
{
    CString text = Format(commas, decimals, showZero);
    if (text.IsEmpty()) {
        return text;
    }
    if (m_value.GetUnits() < 0 && negative != nullptr && *negative != '\0') {
        return ApplyPattern(negative, text.Mid(1));
    }
    if (positive != nullptr && *positive != '\0') {
        return ApplyPattern(positive, text);
    }
    return text;
}

CNumber CNumber::operator+(const CNumber& other) const
{
    return CNumber(m_value + other.m_value);
}

CNumber CNumber::operator-(const CNumber& other) const
{
    return CNumber(m_value - other.m_value);
}

CNumber CNumber::Negate() const
{
    return CNumber(-m_value);
}

CNumber CNumber::Multiply(const CNumber& other) const
{
    int64_t a = m_value.GetUnits();
    int64_t b = other.m_value.GetUnits();
    if (!IsValid() || !other.IsValid()) {
        return Invalid(a);
    }
    if (a == 0 || b == 0) {
        return CNumber();
    }
    uint128 product = static_cast<uint128>(Magnitude(a)) * Magnitude(b) / kOne;
    int64_t units = 0;
    if (!ToSigned(product, (a < 0) != (b < 0), units)) {
        return Invalid(a);
    }
    return CNumber(COleCurrency(units));
}

CNumber CNumber::Divide(const CNumber& other) const
{
    int64_t a = m_value.GetUnits();
    int64_t b = other.m_value.GetUnits();
    if (!IsValid() || !other.IsValid()) {
        return Invalid(a);
    }
    if (a == 0) {
        return CNumber();
    }
    if (b == 0) {
        return Invalid(a);
    }
    uint128 quotient = static_cast<uint128>(Magnitude(a)) * kOne / Magnitude(b);
    int64_t units = 0;
    if (!ToSigned(quotient, (a < 0) != (b < 0), units)) {
        return Invalid(a);
    }
    return CNumber(COleCurrency(units));
}

CNumber CNumber::RoundToUnit(int64_t exponent, Rounding rounding)
{
    int64_t units = m_value.GetUnits();
    if (IsValid() && exponent > 0) {
        uint128 magnitude = Magnitude(units);
        uint128 unit = PowerOfTen(std::min(exponent, kMaxUnitExponent));
        uint128 rest = magnitude % unit;
        uint128 down = magnitude - rest;
        bool up = false;
        switch (rounding) {
        case Rounding::HalfAwayFromZero:
            up = rest >= unit / 2;
            break;
        case Rounding::Up:
            up = rest > 0;
            break;
        case Rounding::Down:
            break;
        case Rounding::HalfEven:
            up = rest > unit / 2 || (rest == unit / 2 && (down / unit) % 2 == 1);
            break;
        }
        int64_t rounded = 0;
        if (ToSigned(up ? down + unit : down, units < 0, rounded)) {
            m_value = COleCurrency(rounded);
        } else {
            m_value.SetStatus(COleCurrency::invalid);
        }
    }
    return CNumber(m_value);
}

CNumber CNumber::RoundToDigits(int digits, Rounding rounding)
{
    // Four decimals are all there are, so more digits change nothing.
    return RoundToUnit(kDecimals - static_cast<int64_t>(digits), rounding);
}

CNumber CNumber::RoundToFigures(int figures, Rounding rounding)
{
    int64_t digitCount = 0;
    for (uint64_t rest = Magnitude(m_value.GetUnits()); rest > 0; rest /= 10) {
        ++digitCount;
    }
    return RoundToUnit(digitCount - figures, rounding);
}

CNumber CNumber::Round(int digits)
{
    return RoundToDigits(digits, Rounding::HalfAwayFromZero);
}

CNumber CNumber::RoundUp(int digits)
{
    return RoundToDigits(digits, Rounding::Up);
}

CNumber CNumber::RoundDown(int digits)
{
    return RoundToDigits(digits, Rounding::Down);
}

CNumber CNumber::RoundJis(int digits)
{
    return RoundToDigits(digits, Rounding::HalfEven);
}

CNumber CNumber::Fix(int figures)
{
    return RoundToFigures(figures, Rounding::HalfAwayFromZero);
}

CNumber CNumber::FixUp(int figures)
{
    return RoundToFigures(figures, Rounding::Up);
}

CNumber CNumber::FixDown(int figures)
{
    return RoundToFigures(figures, Rounding::Down);
}

CNumber CNumber::FixJis(int figures)
{
    return RoundToFigures(figures, Rounding::HalfEven);
}

// ---- Expressions

void CNumber::SetError(int code, const char* message)
{
    m_error = code;
    m_message = message;
}

void CNumber::SetError(int code, const char* format, std::string_view subject)
{
    m_error = code;
    m_message.Format(format, CString(subject).GetString());
}

CNumber CNumber::ParseExpression(const CString& text)
{
    m_value = COleCurrency();
    m_error = errorNone;
    m_message.Empty();
    m_nesting = 0;
    if (text.IsEmpty()) {
        return *this;
    }
    // A plain decimal number, as most texts are, is read as it stands: there is nothing else
    // in it to evaluate.
    if (text.view().find_first_not_of("0123456789.") == std::string_view::npos) {
        if (!m_value.ParseCurrency(text.view())) {
            SetError(errorValue, "%s は数値として変換できません", text.view());
            m_value = COleCurrency(0, COleCurrency::invalid);
        }
        return *this;
    }

    // A blank is never the second byte of a double-byte character, so bytes can go one by one.
    CTextHelper work(text);
    std::erase(work.str(), ' ');
    if (work.HasDoubleByte()) {
        work.ToHalfWidthKana();
        // Full-width blanks have become single-byte ones only now.
        std::erase(work.str(), ' ');
    }
    if (work.IsEmpty()) {
        SetError(errorBlank, "全て空白文字のため変換できません");
    } else if (work.HasDoubleByte()) {
        SetError(errorDoubleByte, "全角文字が含まれているため変換できません");
    } else if (CheckSyntax(work.view())) {
        CNumber result = Evaluate(work.view());
        if (m_error == errorNone) {
            m_value = result.m_value;
        }
    }
    if (m_error != errorNone) {
        m_value = COleCurrency(0, COleCurrency::invalid);
    }
    return *this;
}

bool CNumber::CheckSyntax(std::string_view text)
{
    enum class State
    {
        Start,
        Operand,
        Sign,
        Times,
        Open,
        Close
    };
    State state = State::Start;
    int depth = 0;
    for (char ch : text) {
        bool allowed = true;
        switch (ch) {
        case '(':
            ++depth;
            state = State::Open;
            break;
        case ')':
            allowed = state == State::Operand || state == State::Open || state == State::Close;
            if (allowed && --depth < 0) {
                SetError(errorSyntax, "括弧の数が対応していません");
                return false;
            }
            state = State::Close;
            break;
        case '*':
        case '/':
            allowed = state == State::Operand || state == State::Close;
            state = State::Times;
            break;
        case '+':
        case '-':
            allowed = state != State::Sign && state != State::Times;
            state = State::Sign;
            break;
        default:
            // A "," after ")" starts the next argument: ROUND(ROUND(1.44,1),0).
            allowed = state != State::Close || ch == ',';
            state = State::Operand;
            break;
        }
        if (!allowed) {
            SetError(errorSyntax, "書式を理解することができません");
            return false;
        }
    }
    if (depth != 0) {
        SetError(errorSyntax, "括弧の数が対応していません");
        return false;
    }
    if (state == State::Open || state == State::Sign || state == State::Times) {
        SetError(errorSyntax, "書式を理解することができません");
        return false;
    }
    return true;
}

CNumber CNumber::EvaluateExpression(const CString& text)
{
    return Evaluate(text.view());
}

CNumber CNumber::Evaluate(std::string_view text)
{
    if (m_error != errorNone) {
        return *this;
    }
    if (m_nesting >= kMaxNesting) {
        SetError(errorSyntax, "括弧の入れ子が深すぎます");
        return *this;
    }
    ++m_nesting;
    CNumber result = EvaluateSum(text);
    --m_nesting;
    return result;
}

// Terms joined by "+" and "-" outside parentheses, grouped from the left (8-2-1 is 5). An
// empty term is 0, which makes leading signs work.
CNumber CNumber::EvaluateSum(std::string_view text)
{
    CNumber total;
    ForEachPiece(text, "+-", [&](std::string_view piece, char op, std::string_view level) {
        // A leading minus goes with the first term rather than subtracting it from 0, so that
        // the lowest amount, whose magnitude has no positive value, reads from its own text.
        const bool leadingMinus = op == '-' && level.size() == piece.size() + 1;
        CNumber term = EvaluateProduct(piece, leadingMinus);
        if (m_error != errorNone) {
            return false;
        }
        if (op == 0 || leadingMinus) {
            total = term;
            return true;
        }
        total = op == '+' ? total + term : total - term;
        if (!total.IsValid()) {
            SetError(errorValue, "%s ... 予期しないｴﾗｰです", level);
        }
        return m_error == errorNone;
    });
    return m_error != errorNone ? *this : total;
}

// Factors joined by "*" and "/" outside parentheses, grouped from the left (8/2*2 is 8).
CNumber CNumber::EvaluateProduct(std::string_view text, bool negative)
{
    CNumber product;
    ForEachPiece(text, "*/", [&](std::string_view piece, char op, std::string_view level) {
        CNumber factor = EvaluateOperand(piece, negative && op == 0);
        if (m_error != errorNone) {
            return false;
        }
        if (op == 0) {
            product = factor;
        } else if (op == '*') {
            product = product.Multiply(factor);
            if (!product.IsValid()) {
                SetError(errorValue, "%s ... 乗算ｴﾗｰです", level);
            }
        } else if (factor.m_value.GetUnits() == 0) {
            SetError(errorValue, "%s ... ゼロで除算しています", level);
        } else {
            product = product.Divide(factor);
            if (!product.IsValid()) {
                SetError(errorValue, "%s ... 除算ｴﾗｰです", level);
            }
        }
        return m_error == errorNone;
    });
    return m_error != errorNone ? *this : product;
}

// A number, a parenthesised expression or a function call.
CNumber CNumber::EvaluateOperand(std::string_view text, bool negative)
{
    if (text.empty()) {
        return CNumber();
    }
    CNumber result;
    if (text.back() != ')') {
        std::string digits(negative ? "-" : "");
        digits.reserve(text.size() + 1);
        for (char ch : text) {
            if (ch != ',') {
                digits += ch;
            }
        }
        if (!result.m_value.ParseCurrency(digits)) {
            SetError(errorValue, "%s は数値として変換できません", text);
            return *this;
        }
        return result;
    }
    if (text.front() == '(') {
        result = Evaluate(text.substr(1, text.size() - 2));
    } else {
        CStringArray list;
        if (!ParseFunctionCall(CString(text), list)) {
            return *this;
        }
        result = CallFunction(list);
    }
    if (m_error != errorNone) {
        return *this;
    }
    if (negative) {
        result = result.Negate();
    }
    if (!result.IsValid()) {
        SetError(errorValue, "%s ... 予期しないｴﾗｰです", text);
        return *this;
    }
    return result;
}

bool CNumber::ParseFunctionCall(const CString& text, CStringArray& list)
{
    int open = text.Find('(');
    if (open <= 0) {
        SetError(errorCall, "%s 関数の書式が理解できません", text.view());
        return false;
    }
    list.RemoveAll();
    list.Add(text.Left(open));
    std::string_view arguments = text.view().substr(open + 1);
    if (!arguments.empty() && arguments.back() == ')') {
        arguments.remove_suffix(1);
    }
    ForEachPiece(arguments, ",", [&](std::string_view piece, char, std::string_view) {
        list.Add(CString(piece));
        return true;
    });
    return true;
}

CNumber CNumber::CallFunction(const CStringArray& list)
{
    using Function = CNumber (CNumber::*)(const CStringArray&);
    static const struct
    {
        const char* name;
        Function function;
    } kFunctions[] = {
        {"ROUND", &CNumber::FnRound},
        {"ROUNDUP", &CNumber::FnRoundUp},
        {"ROUNDDOWN", &CNumber::FnRoundDown},
        {"ROUNDJIS", &CNumber::FnRoundJis},
        {"FIX", &CNumber::FnFix},
        {"FIXDOWN", &CNumber::FnFixDown},
        {"FIXUP", &CNumber::FnFixUp},
        {"FIXJIS", &CNumber::FnFixJis},
    };
    CString name = list.IsEmpty() ? CString() : list[0];
    CString upper = name;
    upper.MakeUpper();
    for (const auto& entry : kFunctions) {
        if (upper == entry.name) {
            return (this->*entry.function)(list);
        }
    }
    SetError(errorFunction, "%s 関数が見つかりません", name.view());
    return *this;
}

CNumber CNumber::CallRounding(const CStringArray& list, bool figures, CNumber (CNumber::*round)(int))
{
    int size = list.GetSize();
    bool counted = figures ? size == 3 : (size == 2 || size == 3);
    if (!counted) {
        SetError(errorArguments, "%s 関数のﾊﾟﾗﾒｰﾀ数が違います", size > 0 ? list[0].view() : "");
        return *this;
    }
    CNumber x = EvaluateExpression(list[1]);
    int digits = size == 3 ? EvaluateExpression(list[2]).ToInt() : 0;
    if (m_error != errorNone) {
        return *this;
    }
    return (x.*round)(digits);
}

CNumber CNumber::FnRound(const CStringArray& list)
{
    return CallRounding(list, false, &CNumber::Round);
}

CNumber CNumber::FnRoundUp(const CStringArray& list)
{
    return CallRounding(list, false, &CNumber::RoundUp);
}

CNumber CNumber::FnRoundDown(const CStringArray& list)
{
    return CallRounding(list, false, &CNumber::RoundDown);
}

CNumber CNumber::FnRoundJis(const CStringArray& list)
{
    return CallRounding(list, false, &CNumber::RoundJis);
}

CNumber CNumber::FnFix(const CStringArray& list)
{
    return CallRounding(list, true, &CNumber::Fix);
}

CNumber CNumber::FnFixDown(const CStringArray& list)
{
    return CallRounding(list, true, &CNumber::FixDown);
}

CNumber CNumber::FnFixUp(const CStringArray& list)
{
    return CallRounding(list, true, &CNumber::FixUp);
}

CNumber CNumber::FnFixJis(const CStringArray& list)
{
    return CallRounding(list, true, &CNumber::FixJis);
}
