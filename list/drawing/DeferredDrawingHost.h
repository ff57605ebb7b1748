#pragma once

#include "list/drawing/IDrawingHost.h"

#include <vector>

// Keeps what drawing data reports while it is read or written away from the windows' thread,
// so that the reports can be shown there afterwards, in the order they came.
class CDeferredDrawingHost : public IDrawingHost
{
  public:
    explicit CDeferredDrawingHost(const CString& versionString) : m_versionString(versionString) {}

    void ReportError(const char* message, const char* sourceFile, int line) override;
    void ShowErrorMessage(int id, const CString& argument) override;
    CString GetVersionString() override { return m_versionString; }

    bool HasReports() const { return !m_reports.empty(); }
    // Shows the kept reports through host and forgets them.
    void ReplayTo(IDrawingHost& host);

  private:
    struct Report
    {
        bool isError = false; // an error report; otherwise a numbered error box
        bool hasMessage = false;
        CString message; // or the box's argument
        CString sourceFile;
        int number = 0; // the line, or the box's number
    };

    CString m_versionString;
    std::vector<Report> m_reports;
};
