#pragma once

#include "platform/CString.h"

#include <string>

// The bytes of a file as they lie on the disk; empty when it cannot be read.
std::string ReadFileBytes(const CString& path);
// Writes the bytes as they are, replacing the file.
void WriteFileBytes(const CString& path, const std::string& bytes);
