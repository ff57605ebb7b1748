#pragma once

#include "platform/CString.h"

// Writes a full list for window tests and benchmarks: 10,000 rows of 128 columns, every cell a
// text ("商品<row>-<column>") or, in every eighth column from the fourth, a number of its own
// (row * 7 + column), with its photo folder beside it. False when it could not be written.
bool WriteFullListFile(const CString& folder, const CString& path);
