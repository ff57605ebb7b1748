#pragma once

#include "foundation/PrinterList.h"
#include "list/PrintSettings.h"
#include "platform/CString.h"

#include <vector>

class CFontList;
class CPaperList;
class CZantobyDoc;

// The page setup dialog without its windows: a working copy of a list's page settings, the
// printers and fonts its lists offer, the column entries as its column grid shows and edits
// them, the header and footer samples, and the copy stored back into the list.
class CPageSetupModel
{
  public:
    // The mode names of a column entry, as its drop list shows them.
    static constexpr const char* kAuto = "自動";
    static constexpr const char* kManual = "手動";
    static constexpr const char* kHidden = "非表示";

    // A list column in the column grid: its entry's list and sheet modes and widths.
    struct ColumnRow
    {
        int slot = 0;
        CString label; // name, "/" and the sub-name when it has one
        CString mode[2];
        CString width[2];
    };

    explicit CPageSetupModel(CZantobyDoc& doc);

    PrintSettings& Settings() { return m_settings; }

    // Sizes are shown in millimetres or points with one decimal, and kept in tenths.
    static double ToShown(int tenths) { return tenths * 0.1; }
    static int FromShown(double shown);

    // The printers of the machine, and the one the settings name (the default printer when they
    // name none that is installed); -1 without printers.
    CPrinterList& Printers() { return m_printers; }
    int ChosenPrinter() const;
    // The paper of a printer's list to select for a paper number: that paper when the printer
    // has it, else its first; -1 for a printer without papers.
    static int ChoosePaper(const CPaperList& papers, int paper);
    // The paper number a chosen paper is kept as: 0 becomes A4.
    static int PaperToKeep(int paper) { return paper == 0 ? 9 : paper; }

    // The face names a font list offers: the Japanese faces, with the face the settings name
    // first when it is not installed, so that it stays unless another is chosen ("ＭＳ 明朝" for
    // none).
    static std::vector<CString> FontChoices(const CFontList& fonts, const CString& current);

    // A header or footer text as page 123 of 999 prints it.
    CString SampleText(const CString& text) const;

    // The column grid
    std::vector<ColumnRow>& Columns() { return m_columns; }
    // Picks a mode; any but manual empties the width.
    void ChooseMode(int row, int entry, const CString& mode);
    // A width is typed only while the mode is manual.
    bool CanTypeWidth(int row, int entry) const;
    // A typed width, kept within 1 to 100 millimetres.
    void TypeWidth(int row, int entry, const CString& text);
    // Delete on either cell hides the column for that form.
    void ClearEntry(int row, int entry);

    // Stores the column grid into the working copy, the working copy into the list, and marks
    // the list modified.
    void Commit();

  private:
    static CString ModeOf(int value);
    static int ValueOf(const ColumnRow& row, int entry);

    CZantobyDoc& m_doc;
    PrintSettings m_settings;
    CPrinterList m_printers;
    std::vector<ColumnRow> m_columns;
};
