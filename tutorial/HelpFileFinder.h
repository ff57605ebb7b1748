#pragma once

#include "platform/CString.h"

// Where the help file of a name is, tried in this order: the name itself, the file part of the
// name in the running program's folder, then in the current folder. The full path, or empty
// when none of them exists.
CString FindHelpFile(const CString& name, const CString& programFolder);
