#pragma once

#include "platform/CString.h"

// What the CSV import dialog remembers between runs.
struct ImportCsvSettings
{
    CString folder;
    int mode = 0;
    char breakChar = ',';
    int passRows = 0;
    int pathMode = 2;
    CString photoFolder;
};
