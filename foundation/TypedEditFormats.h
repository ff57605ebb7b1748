#pragma once

#include <cstdint>

// The format records of the typed edit's modes. They belong to the caller, normally static.

// Text mode. flags: 0x1 password, 0x2 digits, 0x4 upper-case letters, 0x8 lower-case letters
// (0x4 with 0x8: letters as typed), 0x10 half-width katakana, 0x20 other ASCII (space,
// symbols), 0x40 double-byte characters, 0x80 multi-line, 0x100 vertical and 0x200 horizontal
// scroll bar, 0x400 automatic horizontal scrolling. maxLength in bytes, 0 or less for none.
// imeMode as SetImeMode takes it, 0 leaves the input method alone.
struct TextFormat
{
    int flags = 0;
    int maxLength = 0;
    int reserved = 0;
    int imeMode = 0;
};

enum TextFormatFlag : int
{
    TF_PASSWORD = 0x1,
    TF_DIGITS = 0x2,
    TF_UPPER = 0x4,
    TF_LOWER = 0x8,
    TF_HALF_KANA = 0x10,
    TF_SYMBOLS = 0x20,
    TF_DOUBLE_BYTE = 0x40,
    TF_MULTILINE = 0x80,
    TF_VSCROLL = 0x100,
    TF_HSCROLL = 0x200,
    TF_AUTO_HSCROLL = 0x400,
};

// Integer mode. flags: 1 show zero, 2 thousands separators, 4 apply maximum, 8 apply minimum.
struct IntegerFormat
{
    int flags = 0;
    int maximum = 0;
    int minimum = 0;
};

// Real mode. flags: 2 thousands separators, 4 apply maximum, 8 apply minimum.
struct RealFormat
{
    int flags = 0;
    int decimals = 0;
    double maximum = 0;
    double minimum = 0;
};

// Decimal mode. flags as the integer mode; decimals as CNumber::Format takes them; bounds in
// ten-thousandths.
struct DecimalFormat
{
    int flags = 0;
    int decimals = 0;
    int64_t maximum = 0;
    int64_t minimum = 0;
    bool autoScroll = false;
};

// Year-month mode, values year x 100 + month. flags: 1 empty for zero, 2 apply maximum,
// 4 apply minimum.
struct YearMonthFormat
{
    int flags = 0;
    int maximum = 0;
    int minimum = 0;
};

enum NumberFormatFlag : int
{
    NF_SHOW_ZERO = 0x1,
    NF_SEPARATORS = 0x2,
    NF_MAXIMUM = 0x4,
    NF_MINIMUM = 0x8,
};

enum YearMonthFormatFlag : int
{
    YMF_EMPTY_FOR_ZERO = 0x1,
    YMF_MAXIMUM = 0x2,
    YMF_MINIMUM = 0x4,
};
