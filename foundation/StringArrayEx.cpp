#include "foundation/StringArrayEx.h"

#include "platform/Cp932.h"
#include "platform/Mbcs.h"
#include "platform/TextMeasurer.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>

namespace {

bool IsDigit(char ch)
{
    return ch >= '0' && ch <= '9';
}

std::string_view View(const char* text)
{
    return text != nullptr ? std::string_view(text) : std::string_view();
}

// How many bytes equal to ch follow from start on, compared eight at a time: a row of a list
// holds runs of hundreds of separators between empty fields.
size_t RunLength(std::string_view text, size_t start, char ch)
{
    const std::uint64_t eight = 0x0101010101010101ULL * static_cast<unsigned char>(ch);
    size_t end = start;
    for (std::uint64_t word; end + sizeof(word) <= text.size(); end += sizeof(word)) {
        std::memcpy(&word, text.data() + end, sizeof(word));
        if (word != eight) {
            break;
        }
    }
    while (end < text.size() && text[end] == ch) {
        ++end;
    }
    return end - start;
}

// scanField(start) adds the entry of the field that starts at start to items and returns where
// the field ends: at its separator or at the end of the text.
template <class Items, class ScanField>
void SplitFields(std::string_view text, int maxCount, Items& items, ScanField scanField)
{
    items.clear();
    size_t pos = 0;
    for (;;) {
        size_t end = scanField(pos);
        if (end >= text.size()) {
            return;
        }
        pos = end + 1;
        if (maxCount >= 1 && items.size() >= static_cast<size_t>(maxCount)) {
            items.emplace_back(text.substr(pos));
            return;
        }
    }
}

// The fields of CStringArrayEx::SplitEscaped, as texts or as views into all: every field is a
// piece of all.
template <class Items> void SplitEscapedInto(std::string_view all, char separator, int maxCount, Items& items)
{
    // Most fields of a list's row line are empty: a run of them is taken at once, as far as the
    // count allows.
    const bool plainSeparator =
        separator != '\\' && !Cp932::IsLeadByte(static_cast<unsigned char>(separator));
    SplitFields(all, maxCount, items, [&](size_t start) {
        if (start == all.size()) {
            items.emplace_back();
            return start;
        }
        if (plainSeparator && all[start] == separator) {
            size_t empty = RunLength(all, start, separator);
            if (maxCount >= 1) {
                empty = std::min(empty, static_cast<size_t>(maxCount) - items.size());
            }
            items.resize(items.size() + empty);
            return start + empty - 1;
        }
        // A field of plain single bytes, as most are, ends at the first separator.
        if (plainSeparator && all[start] != '"' && all[start] != '\'') {
            // Each byte is tested without a branch for each test.
            const auto plain = [separator](char ch) {
                return (ch != separator) & (ch != '\\') & (static_cast<unsigned char>(ch) < 0x80);
            };
            size_t end = start;
            while (end < all.size() && plain(all[end])) {
                ++end;
            }
            if (end == all.size() || all[end] == separator) {
                items.emplace_back(all.substr(start, end - start));
                return end;
            }
        }
        enum class State
        {
            Plain,
            Quoted,
            Closed
        } state = State::Plain;
        char quote = 0;
        size_t lastChar = start; // start of the field's last character
        size_t i = start;
        while (i < all.size()) {
            char ch = all[i];
            if (ch == '\\') {
                // The backslash and the whole character behind it stay together in the field.
                if (i + 1 >= all.size()) {
                    lastChar = i;
                    ++i;
                    break;
                }
                lastChar = i + 1;
                i += 1 + Cp932::CharLength(all, i + 1);
                continue;
            }
            size_t length = Cp932::CharLength(all, i);
            if (length == 1) {
                if (state == State::Quoted) {
                    if (ch == quote) {
                        state = State::Closed;
                    }
                } else if (ch == separator) {
                    break;
                } else if (state == State::Plain && i == start && (ch == '"' || ch == '\'')) {
                    state = State::Quoted;
                    quote = ch;
                }
            }
            lastChar = i;
            i += length;
        }
        if (state == State::Closed) {
            items.emplace_back(all.substr(start + 1, lastChar - start - 1));
        } else {
            items.emplace_back(all.substr(start, i - start));
        }
        return i;
    });
}

} // namespace

bool CStringArrayEx::Split(const char* text, char separator, int maxCount)
{
    std::string_view all = View(text);
    SplitFields(all, maxCount, m_items, [&](size_t start) {
        size_t i = start;
        while (i < all.size() && !(all[i] == separator && Cp932::CharLength(all, i) == 1)) {
            i += Cp932::CharLength(all, i);
        }
        m_items.emplace_back(all.substr(start, i - start));
        return i;
    });
    return true;
}

bool CStringArrayEx::SplitEscaped(const char* text, char separator, int maxCount)
{
    return SplitEscaped(View(text), separator, maxCount);
}

bool CStringArrayEx::SplitEscaped(std::string_view all, char separator, int maxCount)
{
    SplitEscapedInto(all, separator, maxCount, m_items);
    return true;
}

void CStringArrayEx::SplitEscapedViews(std::string_view text, char separator, std::vector<std::string_view>& fields)
{
    SplitEscapedInto(text, separator, 0, fields);
}

bool CStringArrayEx::WrapText(const TextMeasurer& measurer, const char* text, int width)
{
    m_items.clear();
    CString copy(text);
    copy.Replace("\r\n", "\n");
    std::string_view rest = copy.view();
    auto fits = [&](size_t length) {
        return measurer.GetTextExtent(rest.data(), static_cast<int>(length)).cx <= width;
    };
    while (!rest.empty()) {
        if (rest[0] == '\n') {
            m_items.emplace_back();
            rest.remove_prefix(1);
            continue;
        }
        size_t end = Cp932::CharLength(rest, 0);
        if (!fits(end)) {
            m_items.emplace_back(rest.substr(0, end));
            rest.remove_prefix(end);
            continue;
        }
        while (end < rest.size() && rest[end] != '\n') {
            size_t next = end + Cp932::CharLength(rest, end);
            if (!fits(next)) {
                break;
            }
            end = next;
        }
        m_items.emplace_back(rest.substr(0, end));
        rest.remove_prefix(end < rest.size() && rest[end] == '\n' ? end + 1 : end);
    }
    return true;
}

size_t CStringArrayEx::DigitRunEnd(std::string_view text, size_t start)
{
    size_t i = start;
    if (i < text.size() && IsDigit(text[i])) {
        while (i < text.size() && IsDigit(text[i])) {
            ++i;
        }
        return i;
    }
    while (i < text.size() && !IsDigit(text[i])) {
        i += Cp932::CharLength(text, i);
    }
    return i;
}

bool CStringArrayEx::SplitDigitRuns(const char* text)
{
    std::string_view all = View(text);
    m_items.clear();
    if (all.empty()) {
        m_items.emplace_back();
        return true;
    }
    for (size_t start = 0; start < all.size();) {
        size_t end = DigitRunEnd(all, start);
        m_items.emplace_back(all.substr(start, end - start));
        start = end;
    }
    return true;
}

bool CStringArrayEx::Sort(bool descending)
{
    m_sortDescending = descending;
    std::stable_sort(m_items.begin(), m_items.end(), [descending](const CString& a, const CString& b) {
        int order = Mbcs::Compare(a.view(), b.view());
        return descending ? order > 0 : order < 0;
    });
    return true;
}

int CStringArrayEx::AddUnique(const char* text, bool ignoreCase)
{
    std::string_view wanted = View(text);
    for (const CString& entry : m_items) {
        bool equal = ignoreCase ? Mbcs::CompareNoCase(entry.view(), wanted) == 0 : entry.view() == wanted;
        if (equal) {
            return -1;
        }
    }
    m_items.emplace_back(wanted);
    return GetSize();
}
