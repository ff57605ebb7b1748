#include "app/printing/PageSetupModel.h"

#include "foundation/FontList.h"
#include "foundation/PaperList.h"
#include "list/ZantobyDoc.h"
#include "platform/Cp932.h"
#include "platform/PrintSpooler.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

CPageSetupModel::CPageSetupModel(CZantobyDoc& doc) : m_doc(doc), m_settings(doc.print)
{
    m_printers.EnumPrinters();
    for (int column = 0; column < std::clamp(doc.columnCount, 0, kMaxColumns); ++column) {
        const ColumnRecord& record = doc.GetColumn(column);
        ColumnRow row;
        row.slot = record.slot;
        row.label = record.subName.IsEmpty() ? record.name : record.name + "/" + record.subName;
        for (int entry = 0; entry < 2; ++entry) {
            const int value =
                m_settings.ColumnEntryOf(record.slot, static_cast<PrintSettings::ColumnEntry>(entry));
            row.mode[entry] = ModeOf(value);
            if (value >= 1) {
                row.width[entry].Format("%d", value);
            }
        }
        m_columns.push_back(row);
    }
}

int CPageSetupModel::FromShown(double shown)
{
    // Rounded: 20.3 is held as 202.999... and must not lose its tenth on every save.
    return static_cast<int>(std::lround(shown * 10));
}

int CPageSetupModel::ChosenPrinter() const
{
    int index = m_printers.FindPrinter(m_settings.device);
    if (index < 0) {
        index = m_printers.FindPrinter(Cp932::FromUtf8(PrintSpooler::Current().GetDefaultPrinter()));
    }
    return index < 0 && m_printers.GetSize() > 0 ? 0 : index;
}

int CPageSetupModel::ChoosePaper(const CPaperList& papers, int paper)
{
    const int index = papers.FindPaper(paper);
    return index >= 0 ? index : (papers.GetSize() > 0 ? 0 : -1);
}

std::vector<CString> CPageSetupModel::FontChoices(const CFontList& fonts, const CString& current)
{
    std::vector<CString> faces;
    for (int i = 0; i < fonts.GetSize(); ++i) {
        if (fonts.GetItem(i)->charSet == CFontItem::kShiftJisCharset) {
            faces.push_back(fonts.GetItem(i)->faceName);
        }
    }
    const CString face = current.IsEmpty() ? CString("ＭＳ 明朝") : current;
    if (std::find(faces.begin(), faces.end(), face) == faces.end()) {
        faces.insert(faces.begin(), face);
    }
    return faces;
}

CString CPageSetupModel::SampleText(const CString& text) const
{
    return m_doc.ExpandHeaderFooter(text, 123, 999);
}

CString CPageSetupModel::ModeOf(int value)
{
    return value < 0 ? kAuto : value == 0 ? kHidden : kManual;
}

void CPageSetupModel::ChooseMode(int row, int entry, const CString& mode)
{
    ColumnRow& column = m_columns[row];
    column.mode[entry] = mode;
    if (mode != kManual) {
        column.width[entry].Empty();
    }
}

bool CPageSetupModel::CanTypeWidth(int row, int entry) const
{
    return m_columns[row].mode[entry] == kManual;
}

void CPageSetupModel::TypeWidth(int row, int entry, const CString& text)
{
    if (!CanTypeWidth(row, entry)) {
        return;
    }
    m_columns[row].width[entry].Format("%d", std::clamp(std::atoi(text.GetString()), 1, 100));
}

void CPageSetupModel::ClearEntry(int row, int entry)
{
    m_columns[row].mode[entry] = kHidden;
    m_columns[row].width[entry].Empty();
}

int CPageSetupModel::ValueOf(const ColumnRow& row, int entry)
{
    if (row.mode[entry] == kAuto) {
        return -1;
    }
    return row.mode[entry] == kManual ? std::atoi(row.width[entry].GetString()) : 0;
}

void CPageSetupModel::Commit()
{
    for (const ColumnRow& row : m_columns) {
        if (row.slot >= 0 && row.slot < kMaxColumns) {
            m_settings.columnPairs[row.slot] = {ValueOf(row, 0), ValueOf(row, 1)};
        }
    }
    m_settings.paper = PaperToKeep(m_settings.paper);
    m_doc.print = m_settings;
    m_doc.SetModifiedFlag();
}
