#pragma once

#include "platform/CString.h"

class CDrawingData;

// The photo editor's undo history: one drawing-data file per step in the temporary folder,
// numbered from 0, of which the last 100 steps stay reachable.
class CEditUndoSteps
{
  public:
    static constexpr int kMaxSteps = 100;

    CEditUndoSteps() = default;
    CEditUndoSteps(const CEditUndoSteps&) = delete;
    CEditUndoSteps& operator=(const CEditUndoSteps&) = delete;
    ~CEditUndoSteps();

    // Switches recording on with an empty history; the file prefix is chosen on the first call
    // and kept, and every file of it is deleted.
    void Reset(const CString& tempFolder);
    // Deletes every file of the history; recording stays as it is.
    void DeleteFiles() const;

    bool IsOn() const { return m_on; }
    bool CanUndo() const { return m_on && m_oldest < m_current; }
    bool CanRedo() const { return m_on && m_current < m_last; }

    // Writes the drawing as the step after the current one, which becomes the last; the oldest
    // steps beyond the limit are dropped. A file that cannot be written is not reported.
    void Record(CDrawingData& drawing, const CString& versionString);
    // Moves to the step before or after; false when there is none.
    bool StepBack();
    bool StepForward();
    // Replaces the drawing's shapes and settings by the current step's file.
    void LoadCurrent(CDrawingData& drawing) const;

    CString StepPath(int step) const;
    const CString& GetPrefix() const { return m_prefix; }
    int GetOldest() const { return m_oldest; }
    int GetLast() const { return m_last; }
    int GetCurrent() const { return m_current; }

  private:
    bool m_on = false;
    CString m_prefix;
    int m_oldest = 0;
    int m_last = -1;
    int m_current = -1;
};
