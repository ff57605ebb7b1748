#include "foundation/OleCurrency.h"

namespace {

// Status of a result computed from two operands, or valid when both are valid.
COleCurrency::CurrencyStatus CombinedStatus(const COleCurrency& a, const COleCurrency& b)
{
    if (a.GetStatus() == COleCurrency::invalid || b.GetStatus() == COleCurrency::invalid) {
        return COleCurrency::invalid;
    }
    if (a.GetStatus() == COleCurrency::null || b.GetStatus() == COleCurrency::null) {
        return COleCurrency::null;
    }
    return COleCurrency::valid;
}

// A result of two operands: their status when either is not valid, invalid when the
// operation overflows.
template <class Operation>
COleCurrency Combine(const COleCurrency& a, const COleCurrency& b, Operation overflows)
{
    COleCurrency::CurrencyStatus status = CombinedStatus(a, b);
    if (status != COleCurrency::valid) {
        return COleCurrency(0, status);
    }
    int64_t result = 0;
    if (overflows(a.GetUnits(), b.GetUnits(), &result)) {
        return COleCurrency(0, COleCurrency::invalid);
    }
    return COleCurrency(result);
}

bool IsBlank(char ch)
{
    return ch == ' ' || ch == '\t';
}

bool IsDigit(char ch)
{
    return ch >= '0' && ch <= '9';
}

} // namespace

COleCurrency COleCurrency::operator+(const COleCurrency& other) const
{
    return Combine(*this, other,
                   [](int64_t a, int64_t b, int64_t* sum) { return __builtin_add_overflow(a, b, sum); });
}

COleCurrency COleCurrency::operator-(const COleCurrency& other) const
{
    return Combine(*this, other, [](int64_t a, int64_t b, int64_t* difference) {
        return __builtin_sub_overflow(a, b, difference);
    });
}

COleCurrency COleCurrency::operator-() const
{
    return COleCurrency() - *this;
}

bool COleCurrency::ParseCurrency(std::string_view text)
{
    m_units = 0;
    m_status = invalid;

    size_t pos = 0;
    size_t end = text.size();
    while (pos < end && IsBlank(text[pos])) {
        ++pos;
    }
    while (end > pos && IsBlank(text[end - 1])) {
        --end;
    }
    bool negative = false;
    if (pos < end && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
    }

    // The magnitude is gathered in units; one extra decimal decides the rounding.
    unsigned __int128 units = 0;
    const unsigned __int128 limit = static_cast<unsigned __int128>(INT64_MAX) + 1;
    int digitCount = 0;
    int decimals = -1; // -1 until the point is met
    bool roundUp = false;
    for (; pos < end; ++pos) {
        char ch = text[pos];
        if (ch == '.') {
            if (decimals >= 0) {
                return false;
            }
            decimals = 0;
            continue;
        }
        if (!IsDigit(ch)) {
            return false;
        }
        ++digitCount;
        if (decimals < 4) {
            units = units * 10 + static_cast<unsigned>(ch - '0');
            if (units > limit) {
                return false;
            }
            if (decimals >= 0) {
                ++decimals;
            }
        } else if (decimals == 4) {
            roundUp = ch >= '5';
            ++decimals;
        }
    }
    if (digitCount == 0) {
        return false;
    }
    for (int scaled = decimals < 0 ? 0 : decimals; scaled < 4; ++scaled) {
        units *= 10;
    }
    if (roundUp) {
        ++units;
    }
    if (units > limit || (!negative && units == limit)) {
        return false;
    }
    m_units = negative ? static_cast<int64_t>(0 - static_cast<uint64_t>(units)) : static_cast<int64_t>(units);
    m_status = valid;
    return true;
}
