#pragma once

#include "platform/CString.h"

class CPrintJob;

// Prints every page of a job into a PDF file of sheets width x height (0.1 mm) at the file's
// printer resolution; the number of pages, -1 on failure.
int PrintJobToPdf(CPrintJob& job, const CString& path, int width = 2100, int height = 2970);
