#pragma once

#include "platform/Arrays.h"

#include <vector>

class CZantobyDoc;
struct ExtractConditions;

// What the extract dialog shows and gathers: the mode, the AND/OR choice and the two switches,
// the keyword text with its history, and one row of lower and upper bounds per column of the
// list; on OK it stores them as the list's extract conditions.
class CExtractForm
{
  public:
    enum RowKind
    {
        kYesNoRow, // one three-state check box over both bounds
        kTextRow,  // one text over both bounds: contained in (or equal to) the cell
        kBoundsRow,
    };
    // A Yes/No row's state: No, Yes, or no condition.
    static constexpr int kNoCondition = 2;

    struct Row
    {
        int column = 0;
        RowKind kind = kBoundsRow;
        CString name;
        // 0 left, 1 centre, 2 right: numbers right, dates centred.
        int align = 0;
        // Drop-list choices of the value cells, each ended by "\n"; empty for plain cells.
        CString choices;
        int checkState = kNoCondition;
        CString lower;
        CString upper;
    };

    // Shows the list's conditions, made on first use.
    explicit CExtractForm(CZantobyDoc& doc);

    const CStringArray& GetHistory() const;

    // The text a typed bound becomes: the column's value written back as the column shows it.
    // A text that is no value of the column gives refusal its reason.
    CString Normalise(int row, const CString& text, CString* refusal = nullptr) const;

    // Stores what the form holds into the list's conditions.
    void Store();

    int mode = 0;
    int combine = 0;
    bool wholeText = false;
    bool caseSensitive = false;
    CString keywordText;
    std::vector<Row> rows;

  private:
    CZantobyDoc& m_doc;
    ExtractConditions& m_conditions;
};
