#pragma once

#include "list/drawing/IDrawingHost.h"

class IListHost;

// Lets the drawing data of a list's photos report through the list's application services.
class CListDrawingHost : public IDrawingHost
{
  public:
    explicit CListDrawingHost(IListHost& host) : m_host(host) {}

    void ReportError(const char* message, const char* sourceFile, int line) override;
    void ShowErrorMessage(int id, const CString& argument) override;
    CString GetVersionString() override;

  private:
    IListHost& m_host;
};
