#pragma once

#include "foundation/OleCurrency.h"
#include "foundation/OleDateTime.h"
#include "list/CellRecord.h"
#include "list/ListLimits.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The cells of one row as the row keeps them: for each slot that holds a value only that value
// (a text, a number, a date or a yes), the texts packed side by side, and colours only where
// they are not the default. A slot that holds nothing reads as the empty cell.
class RowCells
{
  public:
    // What a slot's value is.
    enum class Kind : std::uint8_t
    {
        Empty,
        Text,
        Number,
        Date,
        YesNo
    };

    RowCells() { m_index.fill(kNoValue); }

    bool IsEmpty() const { return m_values.empty() && m_colours.empty(); }
    bool HasColours() const { return !m_colours.empty(); }

    // Reading by slot; a slot outside 0..127 holds nothing.
    Kind KindAt(int slot) const;
    std::string_view Text(int slot) const;
    COleCurrency Number(int slot) const;
    COleDateTime Date(int slot) const;
    bool YesNo(int slot) const;
    COLORREF TextColor(int slot) const;
    COLORREF BackColor(int slot) const;
    // The whole cell: its value in the field of its kind, and its colours.
    CellRecord Get(int slot) const;
    // Sets the four value fields of a value to the slot's, as Get gives them; reading into one
    // value again and again spares making a cell each time.
    void Read(int slot, CellValue& value) const;

    // Writing by slot. A value takes the place of whatever the slot held; an empty value (empty
    // text, a valid 0, no date, no) leaves the slot without one. Every reader takes a date that
    // failed to parse for no date, so it is kept as none.
    void SetText(int slot, std::string_view text);
    void SetNumber(int slot, const COleCurrency& number);
    void SetDate(int slot, const COleDateTime& date);
    void SetYesNo(int slot, bool yes);
    // The field that a column of the type reads; a type without values stores nothing.
    void Set(int slot, int type, const CellValue& value);
    void SetColors(int slot, COLORREF text, COLORREF back);
    // The slot's value and colours go.
    void Clear(int slot);
    // The value and colours of the same slot of another row's cells.
    void Copy(int slot, const RowCells& from);

    // Room for more values and text bytes, so that a row written whole grows once.
    void Reserve(int values, std::size_t textBytes);
    int ValueCount() const { return static_cast<int>(m_values.size()); }
    std::size_t TextBytes() const { return m_texts.size() - m_garbage; }

  private:
    struct Value
    {
        std::uint64_t bits;   // a text's offset in m_texts, a number's units, a date's serial
        std::uint32_t length; // a text's bytes
        std::uint8_t slot;
        Kind kind;
        std::uint8_t status; // of a number or a date
    };
    struct Colours
    {
        std::uint8_t slot;
        COLORREF text;
        COLORREF back;
    };

    static constexpr std::uint8_t kNoValue = 0xFF;

    const Value* Find(int slot) const;
    std::string_view TextOf(const Value* value) const;
    static COleCurrency NumberOf(const Value* value);
    static COleDateTime DateOf(const Value* value);
    // The slot's value, emptied of its text, or a new one.
    Value& Take(int slot, Kind kind);
    void Remove(int slot);
    void ForgetText(const Value& value);
    void CompactWhenWasteful();
    const Colours* FindColours(int slot) const;

    std::array<std::uint8_t, kMaxColumns> m_index; // each slot's position in m_values
    std::vector<Value> m_values;
    std::string m_texts;
    std::size_t m_garbage = 0;      // bytes of m_texts that no value uses
    std::vector<Colours> m_colours; // by slot
};
