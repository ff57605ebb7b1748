#pragma once

#include <vector>

class CZantobyDoc;
class ColumnRecord;
class ProductRecord;
struct CellRecord;
struct InputCheckSwitches;

// Tests every row of a list against the input rules of its columns (filled, unique, the kinds
// of characters, photo files present) and, when the user asks, shows only the offending rows.
class CInputCheck
{
  public:
    explicit CInputCheck(CZantobyDoc& doc) : m_doc(doc) {}

    // Asks for the tests to run, runs them and reports. True when no row failed or the user
    // declined to list the failures; false when cancelled, when the failed rows were listed or
    // when an error was reported.
    bool Run();

    // The tests alone: flags every row in use that fails a test of the switches; returns how many.
    int FlagErrorRows(const InputCheckSwitches& switches);
    bool IsFlagged(int row) const { return m_flagged[row]; }

  private:
    bool AskSwitches();
    void FlagDuplicates();
    bool FailsRequired(const ProductRecord& row) const;
    bool FailsCharacters(const ProductRecord& row, const InputCheckSwitches& switches) const;
    bool FailsPhotoFiles(const ProductRecord& row) const;
    void ShowFlaggedRows();

    CZantobyDoc& m_doc;
    std::vector<bool> m_flagged;
};
