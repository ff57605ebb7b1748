#pragma once

#include "grid/CellGridCore.h"
#include "grid/GridEditWindow.h"
#include "grid/GridHost.h"
#include "platform/TextMeasurer.h"

#include <set>
#include <string>
#include <vector>

// Every byte is 8 pixels wide and a line 14 high, so that widths in tests are easy to reckon.
class FixedMeasurer : public TextMeasurer
{
  public:
    CSize GetTextExtent(const char*, int length) const override { return CSize(8 * length, 14); }
};

// Windows of a grid as tests see them: a client size, keys held, and counts of what was asked.
class FakeHost : public CGridHost
{
  public:
    CSize GetClientSize() const override { return client; }
    void MoveParts(const CGridPartRects& rects) override { parts = rects; }
    void RepaintAllParts() override { ++fullRepaints; }
    void UpdateCellArea(CCellRangeList& queued) override
    {
        int left, top, right, bottom;
        if (queued.GetBounds(left, top, right, bottom)) {
            ++cellUpdates;
        }
        queued.Clear();
    }
    bool IsKeyHeld(unsigned int key) const override { return keys.count(key) > 0; }
    const TextMeasurer& GetMeasurer(const LogFont*) override { return measurer; }
    void FocusCellArea() override { ++focusCalls; }
    bool GetFloatingWindowRect(CRect& rect) const override
    {
        rect = floating;
        return hasFloating;
    }
    void MoveFloatingWindow(const CRect& rect) override { floating = rect; }
    CRect GetScreenRect() const override { return screen; }
    bool ReportReplaceProgress(std::int64_t done, std::int64_t total) override
    {
        progress.push_back(done * 100 / total);
        return static_cast<int>(progress.size()) != stopAtReport;
    }
    void EndReplaceProgress() override { progress.push_back(-1); }

    CSize client{640, 480};
    std::vector<std::int64_t> progress; // percent of each report, -1 for the end
    int stopAtReport = 0;               // the report (from 1) at which the user stops
    std::set<unsigned int> keys;
    FixedMeasurer measurer;
    CGridPartRects parts;
    int fullRepaints = 0;
    int cellUpdates = 0;
    int focusCalls = 0;
    bool hasFloating = false;
    CRect floating;
    CRect screen{0, 0, 1280, 1024};
};

// An in-cell edit that remembers how it was opened.
class FakeEdit : public CGridEditWindow
{
  public:
    void SetText(const CString& value) override { text = value; }
    CString GetText() const override { return text; }
    void Open(int openSection, const CRect& rect, const LogFont*, bool multi) override
    {
        open = true;
        focused = true;
        section = openSection;
        placed = rect;
        multiLine = multi;
    }
    void SendChar(unsigned int character) override { text += static_cast<char>(character); }
    void Hide() override
    {
        open = false;
        focused = false;
    }
    bool HasFocus() const override { return focused; }
    const LogFont* GetFont() const override { return nullptr; }

    CString text;
    bool open = false;
    bool focused = false;
    int section = 0;
    CRect placed;
    bool multiLine = false;
};

// A grid with windows faked and its notifications written down as "name a b c ..." lines.
class RecordingGrid : public CCellGridCore
{
  public:
    // columns x rows over a 640 x 480 client area, with the fake edit windows.
    explicit RecordingGrid(int columns = 0, int rows = 0);

    bool Saw(const std::string& line) const;
    void Forget() { log.clear(); }

    void OnSheetSetup(int sheet) override { Note("OnSheetSetup", {sheet}); }
    int OnCanMoveCell(int oc, int orow, int nc, int nr) override
    {
        Note("OnCanMoveCell", {oc, orow, nc, nr});
        return allowMoves;
    }
    int OnCanScroll(int a, int b, int c, int d) override
    {
        Note("OnCanScroll", {a, b, c, d});
        return allowScrolls;
    }
    void OnPastLastRow(int count, int missing, std::intptr_t) override
    {
        Note("OnPastLastRow", {count, missing});
        if (rowsToAdd > 0) {
            SetRowCount(count + rowsToAdd);
        }
    }
    void OnCellChanged(int oc, int nc, int orow, int nr) override
    {
        Note("OnCellChanged", {oc, nc, orow, nr});
    }
    void OnTopRowChanged(int o, int n) override { Note("OnTopRowChanged", {o, n}); }
    void OnLeftColumnChanged(int o, int n) override { Note("OnLeftColumnChanged", {o, n}); }
    int OnEditFinish(int c, int r, CGridEditWindow*, CString&, int cancelled) override
    {
        Note("OnEditFinish", {c, r, cancelled});
        return allowEditFinish;
    }

    FakeHost host;
    FakeEdit edit;
    FakeEdit maskedEdit;
    std::vector<std::string> log;
    int allowMoves = 1;
    int allowScrolls = 1;
    int allowEditFinish = 1;
    int rowsToAdd = 0;

  private:
    void Note(const char* name, std::initializer_list<int> values);
};
