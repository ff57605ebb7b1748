#pragma once

#include <compare>
#include <cstdint>
#include <string_view>

// A signed amount counted in units of 1/10,000 with a validity status. Sums and differences
// that leave the 64-bit range become invalid instead of wrapping.
class COleCurrency
{
  public:
    enum CurrencyStatus
    {
        valid = 0,
        invalid = 1,
        null = 2
    };

    static constexpr int64_t kUnitsPerOne = 10000;

    COleCurrency() = default;
    explicit COleCurrency(int64_t units, CurrencyStatus status = valid) : m_units(units), m_status(status) {}

    int64_t GetUnits() const { return m_units; }
    CurrencyStatus GetStatus() const { return m_status; }
    bool IsValid() const { return m_status == valid; }
    void SetStatus(CurrencyStatus status) { m_status = status; }

    // Invalid wins over null; either wins over a value.
    COleCurrency operator+(const COleCurrency& other) const;
    COleCurrency operator-(const COleCurrency& other) const;
    COleCurrency operator-() const;

    friend bool operator==(const COleCurrency&, const COleCurrency&) = default;
    friend auto operator<=>(const COleCurrency&, const COleCurrency&) = default;

    // Reads a plain decimal number, the one spelling of amounts the program accepts:
    //   [blanks] [+|-] digits [. digits] [blanks]
    // with at least one digit on either side of the point (".5" and "5." are numbers). Decimals
    // beyond the fourth are rounded half away from zero. Thousands separators, currency signs and
    // exponents are not accepted. On failure the value becomes 0 with status invalid.
    bool ParseCurrency(std::string_view text);

  private:
    int64_t m_units = 0;
    CurrencyStatus m_status = valid;
};
