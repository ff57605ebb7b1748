#pragma once

#include "list/IListHost.h"

#include <exception>

// Runs one step of printing; what the step throws is reported and the step is abandoned, so that
// the rest of the page or job still prints.
class CPrintGuard
{
  public:
    template <typename Step> static bool Run(IListHost& host, int line, Step step)
    {
        try {
            step();
            return true;
        } catch (const std::exception& error) {
            host.ReportError(error.what(), "GridView", line);
        } catch (...) {
            host.ReportError(nullptr, "GridView", line);
        }
        return false;
    }
};
