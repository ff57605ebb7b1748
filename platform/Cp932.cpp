#include "platform/Cp932.h"

#include <cerrno>
#include <iconv.h>
#include <stdexcept>

namespace Cp932 {

bool IsTrailPosition(std::string_view text, size_t pos)
{
    size_t i = 0;
    while (i < pos) {
        i += CharLength(text, i);
    }
    return i > pos;
}

size_t FindOnCharacter(std::string_view text, std::string_view needle, size_t from)
{
    if (needle.empty()) {
        return from <= text.size() ? from : std::string_view::npos;
    }
    // The bytes are searched as they are; a match counts only where the walk over the
    // characters lands on it.
    size_t walk = from;
    for (size_t at = text.find(needle, from); at != std::string_view::npos; at = text.find(needle, at + 1)) {
        while (walk < at) {
            walk += CharLength(text, walk);
        }
        if (walk == at) {
            return at;
        }
    }
    return std::string_view::npos;
}

std::string WithoutBrokenLeadBytes(std::string_view text)
{
    // Every list file written passes its texts through here: the runs between broken lead
    // bytes are copied whole.
    std::string whole;
    whole.reserve(text.size());
    size_t run = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (!IsLeadByte(static_cast<unsigned char>(text[i]))) {
            continue;
        }
        if (i + 1 < text.size() && IsTrailByte(static_cast<unsigned char>(text[i + 1]))) {
            ++i;
            continue;
        }
        whole.append(text.substr(run, i - run));
        run = i + 1;
    }
    whole.append(text.substr(run));
    return whole;
}

namespace {

// An iconv converter for one direction; iconv_open is far too slow to call per string, so each
// thread keeps one per direction.
class Converter
{
  public:
    Converter(const char* to, const char* from) : m_cd(iconv_open(to, from))
    {
        if (m_cd == reinterpret_cast<iconv_t>(-1)) {
            throw std::runtime_error("iconv cannot convert CP932");
        }
    }
    ~Converter() { iconv_close(m_cd); }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts text; at an unconvertible spot skipLength() bytes are replaced by replacement.
    template <class SkipLength>
    std::string Convert(std::string_view text, std::string_view replacement, SkipLength skipLength,
                        bool* lossless)
    {
        std::string out;
        out.reserve(text.size() * 3 / 2 + 4);
        iconv(m_cd, nullptr, nullptr, nullptr, nullptr);
        char* in = const_cast<char*>(text.data());
        size_t inLeft = text.size();
        char buffer[1024];
        bool clean = true;
        while (inLeft > 0) {
            char* outPtr = buffer;
            size_t outLeft = sizeof(buffer);
            size_t rc = iconv(m_cd, &in, &inLeft, &outPtr, &outLeft);
            out.append(buffer, outPtr - buffer);
            if (rc != static_cast<size_t>(-1)) {
                continue;
            }
            if (errno == E2BIG) {
                continue;
            }
            // EILSEQ or EINVAL: an unmappable or cut-off sequence.
            size_t skip = skipLength(std::string_view(in, inLeft));
            in += skip;
            inLeft -= skip;
            out.append(replacement);
            clean = false;
            iconv(m_cd, nullptr, nullptr, nullptr, nullptr);
        }
        if (lossless != nullptr) {
            *lossless = clean;
        }
        return out;
    }

  private:
    iconv_t m_cd;
};

size_t SkipCp932(std::string_view rest)
{
    if (rest.size() >= 2 && IsLeadByte(static_cast<unsigned char>(rest[0]))) {
        auto trail = static_cast<unsigned char>(rest[1]);
        if ((trail >= 0x40 && trail <= 0x7E) || (trail >= 0x80 && trail <= 0xFC)) {
            return 2;
        }
    }
    return 1;
}

size_t SkipUtf8(std::string_view rest)
{
    auto b = static_cast<unsigned char>(rest[0]);
    size_t length = b < 0xC0 ? 1 : b < 0xE0 ? 2 : b < 0xF0 ? 3 : 4;
    size_t i = 1;
    while (i < length && i < rest.size() && (static_cast<unsigned char>(rest[i]) & 0xC0) == 0x80) {
        ++i;
    }
    return i;
}

bool IsAscii(std::string_view text)
{
    for (char c : text) {
        if (static_cast<unsigned char>(c) >= 0x80) {
            return false;
        }
    }
    return true;
}

enum Direction
{
    kToUtf8,
    kFromUtf8
};

Converter Open(Direction direction)
{
    return direction == kToUtf8 ? Converter("UTF-8", "CP932") : Converter("CP932", "UTF-8");
}

// Set once this thread's converters are destroyed. Being trivial, it stays readable for the
// objects that outlive them: statics, destroyed at exit after the thread's own objects.
thread_local bool t_convertersGone = false;

// This thread's converters, opened at its first conversion.
struct ThreadConverters
{
    Converter byDirection[2] = {Open(kToUtf8), Open(kFromUtf8)};
    ~ThreadConverters() { t_convertersGone = true; }
};

// Converts with the thread's converter, or, once the thread's are gone, with one of its own.
template <class SkipLength>
std::string Convert(Direction direction, std::string_view text, std::string_view replacement,
                    SkipLength skipLength, bool* lossless)
{
    if (t_convertersGone) {
        return Open(direction).Convert(text, replacement, skipLength, lossless);
    }
    thread_local ThreadConverters converters;
    return converters.byDirection[direction].Convert(text, replacement, skipLength, lossless);
}

} // namespace

std::string ToUtf8(std::string_view cp932, bool* lossless)
{
    if (IsAscii(cp932)) {
        if (lossless != nullptr) {
            *lossless = true;
        }
        return std::string(cp932);
    }
    return Convert(kToUtf8, cp932, "\xEF\xBF\xBD", SkipCp932, lossless);
}

std::string FromUtf8(std::string_view utf8, bool* lossless)
{
    if (IsAscii(utf8)) {
        if (lossless != nullptr) {
            *lossless = true;
        }
        return std::string(utf8);
    }
    return Convert(kFromUtf8, utf8, "?", SkipUtf8, lossless);
}

std::string FromWide(std::wstring_view wide, bool* lossless)
{
    std::string utf8;
    utf8.reserve(wide.size() * 3);
    for (wchar_t ch : wide) {
        auto code = static_cast<char32_t>(ch);
        if (code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
            code = 0xFFFD; // not a character; becomes the replacement like any unmappable one
        }
        if (code < 0x80) {
            utf8 += static_cast<char>(code);
        } else if (code < 0x800) {
            utf8 += static_cast<char>(0xC0 | (code >> 6));
            utf8 += static_cast<char>(0x80 | (code & 0x3F));
        } else if (code < 0x10000) {
            utf8 += static_cast<char>(0xE0 | (code >> 12));
            utf8 += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            utf8 += static_cast<char>(0x80 | (code & 0x3F));
        } else {
            utf8 += static_cast<char>(0xF0 | (code >> 18));
            utf8 += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
            utf8 += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            utf8 += static_cast<char>(0x80 | (code & 0x3F));
        }
    }
    return FromUtf8(utf8, lossless);
}

} // namespace Cp932
