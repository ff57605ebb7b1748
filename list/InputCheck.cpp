#include "list/InputCheck.h"

#include "list/IListHost.h"
#include "list/IListView.h"
#include "list/ZantobyDoc.h"
#include "platform/FileSystem.h"
#include "platform/MessageBox.h"

#include <exception>
#include <string>
#include <string_view>
#include <unordered_map>

namespace {

bool TakesPart(const ColumnRecord& column)
{
    return column.type >= kTypeText && column.type <= kTypeDate && column.slot >= 0 &&
           column.slot < kMaxColumns;
}

// The value by which two cells of a unique column count as equal; false for a cell that never
// equals another (an empty text, an invalid number or date).
bool UniqueKey(const ColumnRecord& column, const CellRecord& cell, std::string& key)
{
    switch (column.type) {
    case kTypeNumber: {
        if (!cell.number.IsValid()) {
            return false;
        }
        long long units = cell.number.GetValue().GetUnits();
        key.assign(reinterpret_cast<const char*>(&units), sizeof units);
        return true;
    }
    case kTypeDate: {
        if (!cell.date.IsValid()) {
            return false;
        }
        double value = cell.date.GetValue().GetValue();
        key.assign(reinterpret_cast<const char*>(&value), sizeof value);
        return true;
    }
    default:
        key = cell.text.str();
        return !key.empty();
    }
}

// A lead byte of the character test; its range includes 0x80.
bool StartsTwoByteCode(unsigned char byte)
{
    return (byte >= 0x80 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

} // namespace

bool CInputCheck::Run()
{
    IListHost& host = m_doc.Host();
    try {
        if (!AskSwitches()) {
            return false;
        }
    } catch (const std::exception& error) {
        host.ReportError(error.what(), "ZantobyDoc", __LINE__);
        return false;
    }
    try {
        if (FlagErrorRows(m_doc.inputChecks) == 0) {
            host.ShowInfoMessage(11200, MB_OK);
            return true;
        }
        if (host.AskMessage(21203, MB_YESNO) != IDYES) {
            return true;
        }
        ShowFlaggedRows();
    } catch (const std::exception& error) {
        host.ReportError(error.what(), "ZantobyDoc", __LINE__);
    }
    return false;
}

bool CInputCheck::AskSwitches()
{
    InputCheckSwitches chosen = m_doc.inputChecks;
    if (m_doc.Host().RunCheckListDialog(chosen) != IDOK) {
        return false;
    }
    if (chosen != m_doc.inputChecks) {
        m_doc.inputChecks = chosen;
        m_doc.SetModifiedFlag();
    }
    return true;
}

int CInputCheck::FlagErrorRows(const InputCheckSwitches& switches)
{
    m_flagged.assign(kMaxRows, false);
    if (switches.unique) {
        FlagDuplicates();
    }
    bool characters = switches.gaiji || switches.special || switches.kana;
    int count = 0;
    for (int index = 0; index < m_doc.RowReach(); ++index) {
        const ProductRecord& row = m_doc.GetRow(index);
        if (!row.inUse) {
            continue;
        }
        if (!m_flagged[index]) {
            m_flagged[index] = (switches.required && FailsRequired(row)) ||
                               (characters && FailsCharacters(row, switches)) ||
                               (switches.files && FailsPhotoFiles(row));
        }
        count += m_flagged[index] ? 1 : 0;
    }
    return count;
}

// Every row whose value in a unique column equals another row's is flagged, both rows alike,
// whatever other column flagged either of them before.
void CInputCheck::FlagDuplicates()
{
    std::unordered_map<std::string, int> firstRowOfValue;
    std::string key;
    for (int c = 0; c < m_doc.columnCount && c < kMaxColumns; ++c) {
        const ColumnRecord& column = m_doc.GetColumn(c);
        if (!TakesPart(column) || !column.unique) {
            continue;
        }
        firstRowOfValue.clear();
        for (int index = 0; index < m_doc.RowReach(); ++index) {
            const ProductRecord& row = m_doc.GetRow(index);
            if (!row.inUse || !UniqueKey(column, row.GetCell(column.slot), key)) {
                continue;
            }
            auto [found, added] = firstRowOfValue.emplace(key, index);
            if (!added) {
                m_flagged[found->second] = true;
                m_flagged[index] = true;
            }
        }
    }
}

bool CInputCheck::FailsRequired(const ProductRecord& row) const
{
    for (int c = 0; c < m_doc.columnCount && c < kMaxColumns; ++c) {
        const ColumnRecord& column = m_doc.GetColumn(c);
        if (!TakesPart(column) || !column.required) {
            continue;
        }
        const CellRecord& cell = row.GetCell(column.slot);
        bool empty = false;
        switch (column.type) {
        case kTypeNumber:
            empty = !cell.number.IsValid() || cell.number.GetValue().GetUnits() == 0;
            break;
        case kTypeDate:
            empty = !cell.date.IsValid();
            break;
        default:
            empty = cell.text.IsEmpty();
            break;
        }
        if (empty) {
            return true;
        }
    }
    return false;
}

bool CInputCheck::FailsCharacters(const ProductRecord& row, const InputCheckSwitches& switches) const
{
    for (int c = 0; c < m_doc.columnCount && c < kMaxColumns; ++c) {
        const ColumnRecord& column = m_doc.GetColumn(c);
        if (!TakesPart(column) || (column.type != kTypeText && column.type != kTypeMark)) {
            continue;
        }
        const std::string_view text = row.Cells().Text(column.slot);
        const int length = static_cast<int>(text.size());
        for (int i = 0; i < length;) {
            auto byte = static_cast<unsigned char>(text[i]);
            if (byte >= 0xA0 && byte <= 0xDF) {
                if (switches.kana) {
                    return true;
                }
                ++i;
            } else if (StartsTwoByteCode(byte)) {
                unsigned trail = i + 1 < length ? static_cast<unsigned char>(text[i + 1]) : 0;
                unsigned code = byte * 256u + trail;
                if ((switches.gaiji && code >= 0xF040) ||
                    (switches.special &&
                     ((code >= 0x8540 && code <= 0x889E) || (code >= 0xEB40 && code <= 0xEFFC)))) {
                    return true;
                }
                i += 2;
            } else {
                ++i;
            }
        }
    }
    return false;
}

bool CInputCheck::FailsPhotoFiles(const ProductRecord& row) const
{
    auto missing = [](const CString& path) {
        FileSystem::Info info;
        return path.IsEmpty() || !FileSystem::GetInfo(path, info) || info.isDirectory;
    };
    for (int i = 0; i < row.photoCount && i < kMaxPhotosPerRow; ++i) {
        int slot = row.photos[i];
        if (missing(m_doc.GetOriginalPhotoPath(slot)) || missing(m_doc.GetMiddlePhotoPath(slot)) ||
            missing(m_doc.GetThumbnailPath(slot))) {
            return true;
        }
    }
    return false;
}

void CInputCheck::ShowFlaggedRows()
{
    std::fill(m_doc.displayOrder.begin(), m_doc.displayOrder.end(), kNewRowLine);
    m_doc.displayCount = 0;
    for (int index = 0; index < m_doc.RowReach(); ++index) {
        if (m_flagged[index] && m_doc.displayCount < kMaxDisplayRows) {
            m_doc.displayOrder[m_doc.displayCount++] = index;
        }
    }
    if (m_doc.displayCount < kMaxDisplayRows) {
        ++m_doc.displayCount;
    }
    m_doc.SortDisplayRows();
    m_doc.UpdateAllViews(nullptr, kHintAllRows);
}
