#pragma once

#include "platform/CString.h"

class ScratchFolder;

// Compiles folder/<name>.hhp with chmcmd, as the build compiles the tutorial's own; returns the
// compiled file.
CString CompileHelpFile(const ScratchFolder& folder, const char* name);

// Writes a copy of a compiled help file to path whose header and directory stay sound and whose
// compressed objects (its pages and topic tables) are overwritten: it opens, but nothing in it
// reads. False when the file has no compressed objects.
bool WriteWithDamagedBody(const CString& helpFile, const CString& path);
