#pragma once

#include "platform/CString.h"

class ScratchFolder;

// Compiles folder/<name>.hhp with chmcmd, as the build compiles the tutorial's own; returns the
// compiled file.
CString CompileHelpFile(const ScratchFolder& folder, const char* name);
