#include "list/RowCells.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace {

bool IsSlot(int slot)
{
    return slot >= 0 && slot < kMaxColumns;
}

} // namespace

const RowCells::Value* RowCells::Find(int slot) const
{
    return IsSlot(slot) && m_index[slot] != kNoValue ? &m_values[m_index[slot]] : nullptr;
}

std::string_view RowCells::TextOf(const Value* value) const
{
    return value != nullptr && value->kind == Kind::Text
               ? std::string_view(m_texts).substr(value->bits, value->length)
               : std::string_view();
}

COleCurrency RowCells::NumberOf(const Value* value)
{
    if (value == nullptr || value->kind != Kind::Number) {
        return COleCurrency();
    }
    return COleCurrency(static_cast<std::int64_t>(value->bits),
                        static_cast<COleCurrency::CurrencyStatus>(value->status));
}

COleDateTime RowCells::DateOf(const Value* value)
{
    if (value == nullptr || value->kind != Kind::Date) {
        return COleDateTime(0, COleDateTime::null);
    }
    return COleDateTime(std::bit_cast<double>(value->bits),
                        static_cast<COleDateTime::DateTimeStatus>(value->status));
}

RowCells::Kind RowCells::KindAt(int slot) const
{
    const Value* value = Find(slot);
    return value != nullptr ? value->kind : Kind::Empty;
}

std::string_view RowCells::Text(int slot) const
{
    return TextOf(Find(slot));
}

COleCurrency RowCells::Number(int slot) const
{
    return NumberOf(Find(slot));
}

COleDateTime RowCells::Date(int slot) const
{
    return DateOf(Find(slot));
}

bool RowCells::YesNo(int slot) const
{
    return KindAt(slot) == Kind::YesNo;
}

const RowCells::Colours* RowCells::FindColours(int slot) const
{
    auto found = std::lower_bound(m_colours.begin(), m_colours.end(), slot,
                                  [](const Colours& colours, int key) { return colours.slot < key; });
    return found != m_colours.end() && found->slot == slot ? &*found : nullptr;
}

COLORREF RowCells::TextColor(int slot) const
{
    const Colours* colours = FindColours(slot);
    return colours != nullptr ? colours->text : kDefaultColor;
}

COLORREF RowCells::BackColor(int slot) const
{
    const Colours* colours = FindColours(slot);
    return colours != nullptr ? colours->back : kDefaultColor;
}

void RowCells::Read(int slot, CellValue& value) const
{
    const Value* stored = Find(slot);
    value.text.str().assign(TextOf(stored));
    value.number.SetValue(NumberOf(stored));
    value.date.SetValue(DateOf(stored));
    value.yesNo = stored != nullptr && stored->kind == Kind::YesNo;
}

CellRecord RowCells::Get(int slot) const
{
    CellRecord cell;
    Read(slot, cell);
    if (const Colours* colours = m_colours.empty() ? nullptr : FindColours(slot)) {
        cell.textColor = colours->text;
        cell.backColor = colours->back;
    }
    return cell;
}

void RowCells::ForgetText(const Value& value)
{
    if (value.kind == Kind::Text) {
        m_garbage += value.length;
    }
}

RowCells::Value& RowCells::Take(int slot, Kind kind)
{
    if (m_index[slot] == kNoValue) {
        m_index[slot] = static_cast<std::uint8_t>(m_values.size());
        m_values.push_back(Value{0, 0, static_cast<std::uint8_t>(slot), kind, 0});
        return m_values.back();
    }
    Value& value = m_values[m_index[slot]];
    ForgetText(value);
    value = Value{0, 0, static_cast<std::uint8_t>(slot), kind, 0};
    return value;
}

void RowCells::Remove(int slot)
{
    const std::uint8_t position = m_index[slot];
    if (position == kNoValue) {
        return;
    }
    ForgetText(m_values[position]);
    // The last value fills the gap, so that the values stay packed.
    const Value& last = m_values.back();
    m_index[last.slot] = position;
    m_values[position] = last;
    m_values.pop_back();
    m_index[slot] = kNoValue;
    CompactWhenWasteful();
}

void RowCells::CompactWhenWasteful()
{
    if (m_garbage == 0 || (m_garbage < 64 && !m_values.empty()) || m_garbage * 2 < m_texts.size()) {
        return;
    }
    std::string packed;
    packed.reserve(TextBytes());
    for (Value& value : m_values) {
        if (value.kind == Kind::Text) {
            std::uint64_t offset = packed.size();
            packed.append(m_texts, value.bits, value.length);
            value.bits = offset;
        }
    }
    m_texts.swap(packed);
    m_garbage = 0;
}

void RowCells::SetText(int slot, std::string_view text)
{
    if (!IsSlot(slot)) {
        return;
    }
    if (text.empty()) {
        Remove(slot);
        return;
    }
    if (m_index[slot] != kNoValue) {
        Value& value = m_values[m_index[slot]];
        if (value.kind == Kind::Text && text.size() <= value.length) {
            std::memmove(m_texts.data() + value.bits, text.data(), text.size());
            m_garbage += value.length - text.size();
            value.length = static_cast<std::uint32_t>(text.size());
            CompactWhenWasteful();
            return;
        }
    }
    // The text may lie in this row's own texts, which the append can move.
    const bool own =
        !m_texts.empty() && text.data() >= m_texts.data() && text.data() < m_texts.data() + m_texts.size();
    const std::string copy = own ? std::string(text) : std::string();
    Value& value = Take(slot, Kind::Text);
    value.bits = m_texts.size();
    value.length = static_cast<std::uint32_t>(text.size());
    m_texts.append(own ? std::string_view(copy) : text);
    CompactWhenWasteful();
}

void RowCells::SetNumber(int slot, const COleCurrency& number)
{
    if (!IsSlot(slot)) {
        return;
    }
    if (number == COleCurrency()) {
        Remove(slot);
        return;
    }
    Value& value = Take(slot, Kind::Number);
    value.bits = static_cast<std::uint64_t>(number.GetUnits());
    value.status = static_cast<std::uint8_t>(number.GetStatus());
    CompactWhenWasteful();
}

void RowCells::SetDate(int slot, const COleDateTime& date)
{
    if (!IsSlot(slot)) {
        return;
    }
    if (!date.IsValid() && date.GetValue() == 0) {
        Remove(slot);
        return;
    }
    Value& value = Take(slot, Kind::Date);
    value.bits = std::bit_cast<std::uint64_t>(date.GetValue());
    value.status = static_cast<std::uint8_t>(date.GetStatus());
    CompactWhenWasteful();
}

void RowCells::SetYesNo(int slot, bool yes)
{
    if (!IsSlot(slot)) {
        return;
    }
    if (!yes) {
        Remove(slot);
        return;
    }
    Take(slot, Kind::YesNo);
    CompactWhenWasteful();
}

void RowCells::Set(int slot, int type, const CellValue& value)
{
    switch (type) {
    case kTypeYesNo:
        SetYesNo(slot, value.yesNo);
        break;
    case kTypeText:
    case kTypeMark:
        SetText(slot, value.text.view());
        break;
    case kTypeNumber:
        SetNumber(slot, value.number.GetValue());
        break;
    case kTypeDate:
        SetDate(slot, value.date.GetValue());
        break;
    default:
        break;
    }
}

void RowCells::SetColors(int slot, COLORREF text, COLORREF back)
{
    if (!IsSlot(slot)) {
        return;
    }
    auto found = std::lower_bound(m_colours.begin(), m_colours.end(), slot,
                                  [](const Colours& colours, int key) { return colours.slot < key; });
    const bool stored = found != m_colours.end() && found->slot == slot;
    if (text == kDefaultColor && back == kDefaultColor) {
        if (stored) {
            m_colours.erase(found);
        }
        return;
    }
    if (stored) {
        found->text = text;
        found->back = back;
    } else {
        m_colours.insert(found, Colours{static_cast<std::uint8_t>(slot), text, back});
    }
}

void RowCells::Clear(int slot)
{
    if (IsSlot(slot)) {
        Remove(slot);
        SetColors(slot, kDefaultColor, kDefaultColor);
    }
}

void RowCells::Copy(int slot, const RowCells& from)
{
    if (!IsSlot(slot) || &from == this) {
        return;
    }
    switch (from.KindAt(slot)) {
    case Kind::Text:
        SetText(slot, from.Text(slot));
        break;
    case Kind::Number:
        SetNumber(slot, from.Number(slot));
        break;
    case Kind::Date:
        SetDate(slot, from.Date(slot));
        break;
    case Kind::YesNo:
        SetYesNo(slot, true);
        break;
    case Kind::Empty:
        Remove(slot);
        break;
    }
    SetColors(slot, from.TextColor(slot), from.BackColor(slot));
}

void RowCells::Reserve(int values, std::size_t textBytes)
{
    m_values.reserve(m_values.size() + static_cast<std::size_t>(std::max(values, 0)));
    m_texts.reserve(m_texts.size() + textBytes);
}
