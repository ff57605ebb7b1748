#include "app/ClipTable.h"

#include "foundation/TextHelper.h"
#include "grid/OleDataObject.h"
#include "list/ZantobyDoc.h"
#include "platform/Cp932.h"

#include <algorithm>
#include <cstring>
#include <string>

namespace {

constexpr const char* kTextTag = "_txt:";
constexpr const char* kPhotoIdTag = "_pid:";
constexpr const char* kPhotoFileTag = "_pfn:";
constexpr int kTagLength = 5;

bool HasTag(const CString& cell, const char* tag)
{
    return CTextHelper(cell).MatchPattern(CString(tag) + "*");
}

// A lead byte that lost its trail byte is left out, or it would pair with the closing quote.
CString Quoted(const CString& cell)
{
    return "'" + CTextHelper::GetEscapedText(Cp932::WithoutBrokenLeadBytes(cell.view()).c_str()) + "'";
}

// The line up to its first CR.
CString CutAtCr(const CString& line)
{
    const int cr = line.Find('\r');
    return cr >= 0 ? line.Left(cr) : line;
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

int CClipTable::AddTextRow(const CString& line)
{
    CStringArrayEx pieces;
    pieces.Split(line, '\t');
    CStringArrayEx row;
    for (const CString& piece : pieces) {
        row.Add(kTextTag + piece);
    }
    m_rows.push_back(row);
    return GetRowCount();
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
    for (int row = 0; row < GetRowCount(); ++row) {
        if (row > 0) {
            text += "\r\n";
        }
        for (int column = 0; column < columns; ++column) {
            if (column > 0) {
                text += '\t';
            }
            const CString field = GetText(column, row);
            text += field.Find("\r\n") >= 0 ? "\"" + field + "\"" : field;
        }
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
    for (int i = 0; i < lines.GetSize(); ++i) {
        CStringArrayEx fields;
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
            continue;
        }
        m_rows.push_back(fields);
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
    CStringArrayEx lines;
    lines.Split(text, '\n');
    // A blank line is a row of empty cells, whatever its line end; only the nothing after the
    // last line break is no row.
    for (int i = 0; i < lines.GetSize(); ++i) {
        if (i + 1 < lines.GetSize() || !lines[i].IsEmpty()) {
            AddTextRow(CutAtCr(lines[i]));
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
