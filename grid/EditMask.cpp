#include "grid/EditMask.h"

#include "platform/Cp932.h"
#include "platform/Mbcs.h"

#include <algorithm>
#include <cstring>

void CEditMask::SetMask(const CString& mask)
{
    m_mask = mask;
    m_positions.clear();
    m_active = !mask.IsEmpty();
    const std::string_view text = mask.view();
    for (size_t i = 0; i < text.size();) {
        bool escaped = false;
        if (text[i] == '\\') {
            ++i;
            escaped = true;
            if (i >= text.size()) {
                break;
            }
        }
        const size_t length = Cp932::CharLength(text, i);
        const char first = text[i];
        const bool input = !escaped && length == 1 && first != '\0' && std::strchr(kMaskCharacters, first);
        m_positions.push_back(Position{!input, input ? first : '\0', CString(text.substr(i, length))});
        i += length;
    }
}

bool CEditMask::IsFixedPosition(int position) const
{
    return position >= 0 && position < GetPositionCount() && m_positions[position].fixed;
}

bool CEditMask::IsPrintable(unsigned int code)
{
    return code > 0xFF || (code >= 0x20 && code != 0x7F);
}

bool CEditMask::Accepts(char maskCharacter, unsigned int code)
{
    const bool digit = code >= '0' && code <= '9';
    const bool letter = (code >= 'A' && code <= 'Z') || (code >= 'a' && code <= 'z');
    const bool space = code == ' ';
    switch (maskCharacter) {
    case '0':
        return digit;
    case '9':
        return digit || space;
    case '#':
        return digit || space || code == '+' || code == '-';
    case 'L':
        return letter;
    case '?':
        return letter || space;
    case 'A':
        return letter || digit;
    case 'a':
        return letter || digit || space;
    case '&':
    case 'C':
        return IsPrintable(code);
    default:
        return true;
    }
}

bool CEditMask::FilterChar(int caret, unsigned int code, CString& typedFirst) const
{
    typedFirst.Empty();
    if (!m_active || !IsPrintable(code)) {
        return true;
    }
    // A run of fixed characters is typed as a whole, so that the next input position is reached.
    CString fixed;
    int position = caret < 0 ? 0 : caret;
    while (position < GetPositionCount() && m_positions[position].fixed) {
        fixed += m_positions[position].character;
        ++position;
    }
    if (position >= GetPositionCount() || !Accepts(m_positions[position].maskCharacter, code)) {
        return false;
    }
    typedFirst = fixed;
    return true;
}

CString CEditMask::Reformat(const CString& text) const
{
    if (!m_active || text.IsEmpty()) {
        return text;
    }
    const std::string_view source = text.view();
    CString result;
    size_t next = 0;
    for (const Position& position : m_positions) {
        if (next >= source.size()) {
            break;
        }
        if (position.fixed) {
            result += position.character;
            continue;
        }
        while (next < source.size()) {
            const size_t length = Cp932::CharLength(source, next);
            const unsigned int code = Mbcs::CharCode(source, next);
            const size_t at = next;
            next += length;
            if (Accepts(position.maskCharacter, code)) {
                result += CString(source.substr(at, length));
                break;
            }
        }
    }
    return result;
}

namespace {

// Byte offset of a character index in CP932 text (the end when past it).
size_t ByteOffset(std::string_view text, int characters)
{
    size_t offset = 0;
    for (int i = 0; i < characters && offset < text.size(); ++i) {
        offset += Cp932::CharLength(text, offset);
    }
    return offset;
}

int CharacterCount(std::string_view text)
{
    int count = 0;
    for (size_t offset = 0; offset < text.size(); offset += Cp932::CharLength(text, offset)) {
        ++count;
    }
    return count;
}

} // namespace

CString CEditMask::Paste(const CString& text, int start, int end, const CString& pasted, int* caret) const
{
    const std::string_view view = text.view();
    const size_t from = ByteOffset(view, std::max(std::min(start, end), 0));
    const size_t to = ByteOffset(view, std::max(start, end));
    const CString before = CString(view.substr(0, from)) + pasted;
    const CString after(view.substr(to));
    if (!m_active) {
        if (caret != nullptr) {
            *caret = CharacterCount(before.view());
        }
        return before + after;
    }
    // What stood before the paste keeps its fixed characters; they are taken out again so that
    // re-formatting does not count them as typed ones.
    CString typed;
    const CString whole = before + after;
    const std::string_view source = whole.view();
    int position = 0;
    for (size_t offset = 0; offset < source.size(); ++position) {
        const size_t length = Cp932::CharLength(source, offset);
        const bool fixedHere = IsFixedPosition(position) && offset < from &&
                               source.substr(offset, length) == m_positions[position].character.view();
        if (!fixedHere) {
            typed += CString(source.substr(offset, length));
        }
        offset += length;
    }
    const CString result = Reformat(typed);
    if (caret != nullptr) {
        *caret = std::min(CharacterCount(Reformat(before).view()), CharacterCount(result.view()));
    }
    return result;
}
