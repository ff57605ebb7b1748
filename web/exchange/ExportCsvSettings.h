#pragma once

#include "platform/CString.h"

// What the CSV export dialog remembers between runs.
struct ExportCsvSettings
{
    CString folder;
    int source = 0;
    char breakChar = ',';
    char quoteChar = '"';
    bool columnNames = true;
    bool openAfterwards = false;
};
