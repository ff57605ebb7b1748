#include "list/ListDrawingHost.h"

#include "list/IListHost.h"

void CListDrawingHost::ReportError(const char* message, const char* sourceFile, int line)
{
    m_host.ReportError(message, sourceFile, line);
}

void CListDrawingHost::ShowErrorMessage(int id, const CString& argument)
{
    m_host.ShowErrorMessage(id, 0, argument.GetString());
}

CString CListDrawingHost::GetVersionString()
{
    return m_host.GetVersionString();
}
