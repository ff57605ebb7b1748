#pragma once

#include "list/ColumnRecord.h"
#include "list/OutputSortEntry.h"
#include "platform/CString.h"

#include <array>
#include <map>
#include <string>
#include <utility>

class CZantobyDoc;

// Undo and redo of a list through snapshot files: before an edit the edited rows, the display
// order and the sort keys go to a step's ".A" file, after it to its ".B" file, and undo or redo
// reads one of them back over the document. Nested edits make one step; at most 50 steps stay.
// A step that changes the column definitions keeps them, before and after, in memory.
class CListUndo
{
  public:
    static constexpr int kMaxSteps = 50;

    explicit CListUndo(CZantobyDoc& doc) : m_doc(doc) {}
    ~CListUndo();
    CListUndo(const CListUndo&) = delete;
    CListUndo& operator=(const CListUndo&) = delete;

    // kind: 0 none, 1 one row (-1: no row), 2 a row appended to the open step, 3 every displayed
    // row, 4 every row in use with the column definitions. phase: 0 before the change, 1 after
    // it. True when a file was written.
    bool SaveSnapshot(int kind, int row, int phase);
    // Drops the redo steps from firstStep on and the steps more than 50 back; firstStep becomes
    // the current step and the step count.
    bool DeleteFiles(int firstStep);
    // Reads the current step's before (0) or after (1) image back over the document.
    void Restore(int phase);

    bool CanUndo() const { return undoOn && m_oldestStep < undoStep; }
    bool CanRedo() const { return undoOn && undoStep < undoStepCount; }
    // One step back or forward; false when there is none.
    bool Undo();
    bool Redo();

    bool IsOn() const { return undoOn; }
    // On again with an empty history, after something switched undo off.
    void SwitchOn();
    // Forgets every step and the file prefix (a new list).
    void Reset();

    CString undoBase; // file name prefix, made on the first snapshot
    bool undoOn = true;
    int undoStepCount = 0; // steps on disk
    int undoStep = 0;      // steps below it can be undone, from it on redone
    int undoDepth = 0;     // nesting depth of open edits

  private:
    // What a change of the list's definition changes besides the rows.
    struct Definitions
    {
        std::array<ColumnRecord, kMaxColumns> columns;
        int columnCount = 0;
        int lockedColumns = 0;
        CString title;
        std::array<OutputSortEntry, kMaxColumns> webSortEntries;
    };

    CString StepFile(int step, int phase) const;
    // Drops the definitions kept for the steps from first up to (not including) end.
    void ForgetDefinitions(int first, int end);
    void MakeBase();
    void RemoveStep(int step);
    void AppendHeader(std::string& image) const;
    void AppendRowImage(std::string& image, int row) const;
    // Writes a snapshot of kind 1 or 3 into a new step file.
    bool WriteFile(const CString& path, int kind, int row);
    // Adds a row's image to a step file (kind 2) through the pending piece.
    bool AppendRow(const CString& path, int row);
    // Appends the pending piece to its file; false when it could not be written.
    bool FlushPending();
    bool ReadImage(const std::string& image);

    CZantobyDoc& m_doc;
    int m_oldestStep = 0; // the lowest step whose files are still on disk
    // Row images added to a step wait here and go to their file a piece at a time, so that a
    // step of many rows opens its file a few times rather than once per row. Flushed before any
    // other file is written, read or removed.
    CString m_pendingPath;
    std::string m_pending;
    // By step and phase, for the steps of kind 4.
    std::map<std::pair<int, int>, Definitions> m_definitions;
};
