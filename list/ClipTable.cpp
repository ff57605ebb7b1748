#include "list/ClipTable.h"

#include "foundation/TextHelper.h"
#include "grid/OleDataObject.h"
#include "list/ZantobyDoc.h"
#include "platform/Cp932.h"

#include <algorithm>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr const char* kTextTag = "_txt:";
constexpr const char* kPhotoIdTag = "_pid:";
constexpr const char* kPhotoFileTag = "_pfn:";
constexpr int kTagLength = 5;

bool HasTag(const CString& cell, const char* tag)
{
    return CTextHelper(cell).MatchPattern(CString(tag) + "*");
}

// A lead byte that lost its trail byte is left out, or it would pair with the closing quote; so
// is a NUL, where the clipboard's data would end, and the rest of the cell is kept.
CString Quoted(const CString& cell)
{
    CTextHelper whole(Cp932::WithoutBrokenLeadBytes(cell.view()));
    whole.Remove('\0');
    whole.EscapeBackslash();
    return "'" + whole + "'";
}

// The line up to its first CR.
CString CutAtCr(const CString& line)
{
    const int cr = line.Find('\r');
    return cr >= 0 ? line.Left(cr) : line;
}

// A field of plain text as spreadsheets write it: quoted when it holds a TAB or a line break or
// begins with a quote, its quotes doubled. Bytes are taken one by one as ReadText takes them, so
// a lead byte that lost its trail byte does not hide the TAB or quote behind it.
CString TextField(const CString& field)
{
    const std::string_view text = field.view();
    if (text.find_first_of("\t\r\n") == std::string_view::npos && !text.starts_with('"')) {
        return field;
    }
    std::string quoted = "\"";
    for (const char c : text) {
        quoted += c;
        if (c == '"') {
            quoted += '"';
        }
    }
    return CString(quoted + '"');
}

bool EndsField(std::string_view text, size_t at)
{
    return at >= text.size() || text[at] == '\t' || text[at] == '\r' || text[at] == '\n';
}

// The field of plain text that begins at a quote, up to the quote that closes it. The field is
// taken only when that quote ends it; otherwise (no closing quote, or text after it) the quote
// was part of the text, and nullopt says so. A doubled quote inside is one quote; every line
// break inside becomes CR LF.
// Where a field goes on from a place depends on that place alone, and the fields read later
// begin behind every place that a field which closed went through. So a place that an earlier
// field went through was one that led nowhere: seen marks them, and no text is read twice.
std::optional<std::string> QuotedField(std::string_view text, size_t& at, std::vector<bool>& seen)
{
    std::string field;
    for (size_t i = at + 1; i < text.size(); ++i) {
        if (seen[i]) {
            return std::nullopt;
        }
        seen[i] = true;
        const char c = text[i];
        if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
            field += '"';
            ++i;
        } else if (c == '"') {
            if (!EndsField(text, i + 1)) {
                return std::nullopt;
            }
            at = i + 1;
            return field;
        } else if (c == '\r' || c == '\n') {
            field += "\r\n";
            i += c == '\r' && i + 1 < text.size() && text[i + 1] == '\n' ? 1 : 0;
        } else {
            field += c;
        }
    }
    return std::nullopt;
}

} // namespace

void CClipTable::SetText(const CString& text, int column, int row)
{
    SetCell(kTextTag + text, column, row);
}

void CClipTable::SetPhotoId(int photo, int column, int row)
{
    CString cell;
    cell.Format("%s%d", kPhotoIdTag, photo);
    SetCell(cell, column, row);
}

void CClipTable::SetPhotoFileName(const CString& path, int column, int row)
{
    SetCell(kPhotoFileTag + path, column, row);
}

void CClipTable::SetCell(const CString& raw, int column, int row)
{
    if (column < 0 || row < 0) {
        return;
    }
    if (row >= GetRowCount()) {
        m_rows.resize(row + 1);
    }
    m_rows[row].SetAtGrow(column, raw);
}

CString CClipTable::GetCell(int column, int row) const
{
    if (row < 0 || row >= GetRowCount() || column < 0 || column >= m_rows[row].GetSize()) {
        return CString();
    }
    return m_rows[row][column];
}

CString CClipTable::GetText(int column, int row) const
{
    const CString cell = GetCell(column, row);
    return HasTag(cell, kTextTag) || HasTag(cell, kPhotoFileTag) ? cell.Mid(kTagLength) : CString();
}

int CClipTable::GetPhotoId(int column, int row) const
{
    const CString cell = GetCell(column, row);
    return HasTag(cell, kPhotoIdTag) ? CTextHelper(cell.Mid(kTagLength)).ToInt() : -1;
}

CString CClipTable::GetPhotoFileName(int column, int row) const
{
    const CString cell = GetCell(column, row);
    return HasTag(cell, kPhotoFileTag) ? cell.Mid(kTagLength) : CString();
}

int CClipTable::GetColumnCount() const
{
    int columns = 0;
    for (const CStringArrayEx& row : m_rows) {
        columns = std::max(columns, row.GetSize());
    }
    return columns;
}

int CClipTable::AddFileName(const CString& path)
{
    for (const CString& name : m_fileNames) {
        if (name == path) {
            return -1;
        }
    }
    return m_fileNames.Add(path);
}

void CClipTable::Clear()
{
    m_rows.clear();
    m_fileNames.RemoveAll();
    sourcePath.Empty();
}

CString CClipTable::ToPrivateFormat() const
{
    CString text = sourceDocument != nullptr ? Quoted("document:" + sourceDocument->GetPathName())
                                             : CString("'lump_photo'");
    const int columns = GetColumnCount();
    for (const CStringArrayEx& row : m_rows) {
        text += "\r\n";
        for (int column = 0; column < columns; ++column) {
            if (column > 0) {
                text += ',';
            }
            if (column < row.GetSize()) {
                text += Quoted(row[column]);
            }
        }
    }
    return text;
}

CString CClipTable::ToText() const
{
    CString text;
    const int columns = GetColumnCount();
    int lineStart = 0;
    for (int row = 0; row < GetRowCount(); ++row) {
        if (row > 0) {
            text += "\r\n";
        }
        lineStart = text.GetLength();
        for (int column = 0; column < columns; ++column) {
            if (column > 0) {
                text += '\t';
            }
            text += TextField(GetText(column, row));
        }
    }
    // A blank last line ends with its line break, or it would be no row at all.
    if (GetRowCount() > 0 && text.GetLength() == lineStart) {
        text += "\r\n";
    }
    return text;
}

CStringArray CClipTable::GetDropFileNames() const
{
    CStringArray names;
    if (GetFileCount() > 0) {
        names.Copy(m_fileNames);
        return names;
    }
    for (int row = 0; row < GetRowCount(); ++row) {
        for (int column = 0; column < m_rows[row].GetSize(); ++column) {
            if (const CString path = GetPhotoFileName(column, row); !path.IsEmpty()) {
                names.Add(path);
            }
        }
    }
    return names;
}

void CClipTable::ReadPrivateFormat(const CString& text)
{
    Clear();
    CStringArrayEx lines;
    lines.Split(text, '\n');
    CStringArrayEx header;
    for (int i = 0; i < lines.GetSize(); ++i) {
        CStringArrayEx& fields = i == 0 ? header : m_rows.emplace_back();
        fields.SplitEscaped(CutAtCr(lines[i]), ',');
        for (CString& field : fields) {
            CTextHelper unescaped(field);
            unescaped.UnescapeBackslash();
            field = unescaped;
        }
        if (i == 0) {
            // The header names the list whose photo ids the cells carry.
            if (fields.GetSize() > 0 && CTextHelper(fields[0]).MatchPattern("document:*")) {
                sourcePath = fields[0].Mid(9);
            }
        }
    }
}

void CClipTable::ReadFileNames(const CStringArray& files)
{
    Clear();
    for (const CString& file : files) {
        AddFileName(file);
    }
}

void CClipTable::ReadText(const CString& text)
{
    Clear();
    // TAB, CR, LF and the quote are never the trail byte of a Shift_JIS character, so the bytes
    // are scanned one by one without cutting a character.
    const std::string_view bytes = text.view();
    std::vector<bool> seen(bytes.find('"') != std::string_view::npos ? bytes.size() : 0);
    size_t at = 0;
    // A blank line is a row of empty cells, whatever its line end; only the nothing after the
    // last line break is no row.
    while (at < bytes.size()) {
        CStringArrayEx& row = m_rows.emplace_back();
        for (;;) {
            std::optional<std::string> field;
            if (at < bytes.size() && bytes[at] == '"') {
                field = QuotedField(bytes, at, seen);
            }
            if (!field) {
                const size_t end = std::min(bytes.find_first_of("\t\r\n", at), bytes.size());
                field = std::string(bytes.substr(at, end - at));
                at = end;
            }
            row.Add(kTextTag + CString(*field));
            if (at >= bytes.size() || bytes[at] != '\t') {
                break;
            }
            ++at;
        }
        if (at < bytes.size()) {
            at += bytes.compare(at, 2, "\r\n") == 0 ? 2 : 1;
        }
    }
}

void CClipTable::ReadFrom(const COleDataObject& data)
{
    Clear();
    if (const std::vector<unsigned char>& bytes = data.GetPrivateData(kFormatName); !bytes.empty()) {
        const char* start = reinterpret_cast<const char*>(bytes.data());
        ReadPrivateFormat(CString(std::string(start, strnlen(start, bytes.size()))));
    } else if (data.GetFiles().GetSize() > 0) {
        ReadFileNames(data.GetFiles());
    } else if (!data.GetText().IsEmpty()) {
        ReadText(data.GetText());
    }
}
