#pragma once

#include "platform/CString.h"

#include <cstdint>
#include <ctime>

// How the photo dialogs write a file's times and sizes.
namespace PhotoFileTexts {

// The local time by a strftime pattern ("%Y/%m/%d").
CString FormatFileTime(std::time_t time, const char* pattern);
// Bytes with thousands separators; an empty text for 0 when blankZero.
CString FormatByteCount(std::int64_t bytes, bool blankZero);

} // namespace PhotoFileTexts
