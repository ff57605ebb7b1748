#include "list/drawing/DeferredDrawingHost.h"

void CDeferredDrawingHost::ReportError(const char* message, const char* sourceFile, int line)
{
    m_reports.push_back({true, message != nullptr, message != nullptr ? CString(message) : CString(),
                         sourceFile != nullptr ? CString(sourceFile) : CString(), line});
}

void CDeferredDrawingHost::ShowErrorMessage(int id, const CString& argument)
{
    m_reports.push_back({false, true, argument, CString(), id});
}

void CDeferredDrawingHost::ReplayTo(IDrawingHost& host)
{
    for (const Report& report : m_reports) {
        if (report.isError) {
            host.ReportError(report.hasMessage ? report.message.GetString() : nullptr,
                             report.sourceFile.GetString(), report.number);
        } else {
            host.ShowErrorMessage(report.number, report.message);
        }
    }
    m_reports.clear();
}
