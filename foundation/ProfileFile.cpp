#include "foundation/ProfileFile.h"

#include "foundation/PathName.h"
#include "foundation/TextFile.h"

#include "platform/FileException.h"
#include "platform/FileSystem.h"
#include "platform/FolderLock.h"
#include "platform/Mbcs.h"

#include <charconv>
#include <optional>
#include <utility>
#include <vector>

namespace {

constexpr const char* kBlanks = " \t\r";

CString TrimBlanks(CString text)
{
    text.Trim(kBlanks);
    return text;
}

bool SameName(const CString& a, const char* b)
{
    return Mbcs::CompareNoCase(a.view(), b) == 0;
}

// The section name of a "[name]" line, or nothing for any other line.
std::optional<CString> SectionOf(const CString& line)
{
    // Most lines are keys, told apart before the line is copied and trimmed (the blanks are
    // single bytes, so what follows them begins a character).
    const size_t first = line.view().find_first_not_of(kBlanks);
    if (first == std::string_view::npos || line.view()[first] != '[') {
        return std::nullopt;
    }
    CString text = TrimBlanks(line);
    int close = text.Find(']');
    return TrimBlanks(close < 0 ? text.Mid(1) : text.Mid(1, close - 1));
}

// The key of a "key=value" line, or nothing for any other line. Comment lines have no key.
std::optional<CString> KeyOf(const CString& line)
{
    int equals = line.Find('=');
    CString key = TrimBlanks(line.Left(equals));
    if (equals < 0 || (!key.IsEmpty() && key[0] == ';')) {
        return std::nullopt;
    }
    return key;
}

CString ValueOf(const CString& line)
{
    CString value = TrimBlanks(line.Mid(line.Find('=') + 1));
    int length = value.GetLength();
    if (length >= 2 && (value[0] == '"' || value[0] == '\'') && value[length - 1] == value[0]) {
        value = value.Mid(1, length - 2);
    }
    return value;
}

// The lines of the file without their line ends: none when there is no file, nothing when it
// exists but cannot be read (a write must then not replace it).
std::optional<std::vector<CString>> ReadLines(const CString& path)
{
    std::vector<CString> lines;
    CTextFile file;
    CFileException error(CFileException::none, 0, path);
    if (!file.Open(path, CFile::modeRead | CFile::typeText, &error)) {
        return error.m_cause == CFileException::fileNotFound ? std::optional(lines) : std::nullopt;
    }
    try {
        CString line;
        while (file.ReadString(line)) {
            lines.push_back(std::move(line));
        }
    } catch (const CFileException&) {
        return std::nullopt;
    }
    return lines;
}

// Where a section lies in the lines: its header and the end (the next header or the end).
struct SectionRange
{
    size_t header;
    size_t end;
};

std::optional<SectionRange> FindSection(const std::vector<CString>& lines, const char* section)
{
    for (size_t i = 0; i < lines.size(); ++i) {
        auto name = SectionOf(lines[i]);
        if (name && SameName(*name, section)) {
            size_t end = i + 1;
            while (end < lines.size() && !SectionOf(lines[end])) {
                ++end;
            }
            return SectionRange{i, end};
        }
    }
    return std::nullopt;
}

std::optional<size_t> FindKey(const std::vector<CString>& lines, const SectionRange& range, const char* key)
{
    for (size_t i = range.header + 1; i < range.end; ++i) {
        auto name = KeyOf(lines[i]);
        if (name && SameName(*name, key)) {
            return i;
        }
    }
    return std::nullopt;
}

// The value of the key in the first section of the name, as FindSection and FindKey find them
// in the file's lines; read line by line, keeping only the value, since the settings are read
// far more often than written. A file that cannot be read to its end gives nothing.
std::optional<CString> ReadValue(const CString& path, const char* section, const char* key)
{
    CTextFile file;
    if (!file.Open(path, CFile::modeRead | CFile::typeText)) {
        return std::nullopt;
    }
    enum class Place
    {
        kBefore,
        kInside,
        kAfter
    } place = Place::kBefore;
    std::optional<CString> value;
    try {
        CString line;
        while (file.ReadString(line)) {
            if (place == Place::kAfter) {
                continue;
            }
            if (auto name = SectionOf(line)) {
                if (place == Place::kInside) {
                    place = Place::kAfter;
                } else if (SameName(*name, section)) {
                    place = Place::kInside;
                }
                continue;
            }
            if (place != Place::kInside) {
                continue;
            }
            if (auto name = KeyOf(line); name && SameName(*name, key)) {
                value = ValueOf(line);
                place = Place::kAfter;
            }
        }
    } catch (const CFileException&) {
        return std::nullopt;
    }
    return value;
}

// Applies one write to the lines; false when nothing changes.
bool ChangeLines(std::vector<CString>& lines, const char* section, const char* key, const char* value)
{
    auto range = FindSection(lines, section);
    if (key == nullptr) {
        if (!range) {
            return false;
        }
        lines.erase(lines.begin() + range->header, lines.begin() + range->end);
        return true;
    }
    if (!range) {
        if (value == nullptr) {
            return false;
        }
        if (!lines.empty() && !TrimBlanks(lines.back()).IsEmpty()) {
            lines.emplace_back();
        }
        lines.push_back(CString("[") + section + "]");
        lines.push_back(CString(key) + "=" + value);
        return true;
    }
    auto line = FindKey(lines, *range, key);
    if (value == nullptr) {
        if (!line) {
            return false;
        }
        lines.erase(lines.begin() + *line);
        return true;
    }
    if (line) {
        // The key keeps the spelling it has in the file.
        lines[*line] = *KeyOf(lines[*line]) + "=" + value;
        return true;
    }
    // A new key goes after the section's last entry, before the blank lines that end it.
    size_t at = range->end;
    while (at > range->header + 1 && TrimBlanks(lines[at - 1]).IsEmpty()) {
        --at;
    }
    lines.insert(lines.begin() + at, CString(key) + "=" + value);
    return true;
}

} // namespace

CString CProfileFile::GetProfileString(const char* section, const char* key, const char* defaultValue) const
{
    auto value = ReadValue(m_path, section, key);
    return value ? *value : CString(defaultValue);
}

int CProfileFile::GetProfileInt(const char* section, const char* key, int defaultValue) const
{
    auto value = ReadValue(m_path, section, key);
    if (!value || value->IsEmpty()) {
        return defaultValue;
    }
    const char* p = value->GetString();
    bool negative = *p == '-';
    if (*p == '-' || *p == '+') {
        ++p;
    }
    // Unsigned arithmetic wraps as the system's reader does, without overflowing.
    unsigned result = 0;
    for (; *p >= '0' && *p <= '9'; ++p) {
        result = result * 10 + static_cast<unsigned>(*p - '0');
    }
    return static_cast<int>(negative ? 0u - result : result);
}

bool CProfileFile::WriteProfileString(const char* section, const char* key, const char* value)
{
    if (m_path.IsEmpty() || section == nullptr) {
        return false;
    }
    CString folder = GetFolderOfPath(m_path);
    std::error_code ignored;
    if (!folder.IsEmpty()) {
        std::filesystem::create_directories(FileSystem::ToNative(folder), ignored);
    }
    FolderLock lock(folder);
    auto lines = ReadLines(m_path);
    if (!lines) {
        return false;
    }
    if (!ChangeLines(*lines, section, key, value)) {
        return true;
    }
    CString text;
    for (const CString& line : *lines) {
        text += line;
        text += '\n';
    }
    return WriteTextFile(m_path, CFile::modeCreate | CFile::modeWrite | CFile::typeText, text);
}

bool CProfileFile::WriteProfileInt(const char* section, const char* key, int value)
{
    CString text;
    text.Format("%d", value);
    return WriteProfileString(section, key, text);
}

bool CProfileFile::GetProfileBool(const char* section, const char* key, bool defaultValue) const
{
    return GetProfileInt(section, key, defaultValue ? 1 : 0) != 0;
}

bool CProfileFile::WriteProfileBool(const char* section, const char* key, bool value)
{
    return WriteProfileInt(section, key, value ? 1 : 0);
}

double CProfileFile::GetProfileDouble(const char* section, const char* key, double defaultValue) const
{
    CString value = GetProfileString(section, key, "");
    if (value.IsEmpty()) {
        return defaultValue;
    }
    // As atof in the C locale: the longest number at the start, else 0.
    const char* p = value.GetString();
    if (*p == '+') {
        ++p;
    }
    double result = 0;
    std::from_chars(p, value.GetString() + value.GetLength(), result);
    return result;
}

bool CProfileFile::WriteProfileDouble(const char* section, const char* key, double value)
{
    // "%f" without the locale's decimal separator.
    char buffer[400];
    auto end = std::to_chars(buffer, buffer + sizeof(buffer) - 1, value, std::chars_format::fixed, 6).ptr;
    *end = '\0';
    return WriteProfileString(section, key, buffer);
}

CDateEx CProfileFile::GetProfileDate(const char* section, const char* key) const
{
    CDateEx date;
    CString value = GetProfileString(section, key, "");
    if (!value.IsEmpty()) {
        date.ParseDateTime(value.view());
    }
    return date;
}

bool CProfileFile::WriteProfileDate(const char* section, const char* key, const CDateEx& date)
{
    return WriteProfileString(section, key, date.IsValid() ? date.Format("%Y/%m/%d %H:%M:%S") : CString());
}
