#pragma once

#include "platform/Arrays.h"
#include "platform/CString.h"

#include <string>

// Turns the Windows face names stored in files into the families installed here: the Japanese
// system faces become the metric-compatible IPA fonts, other installed names stay as they are,
// and anything unknown falls back to the proportional Gothic.
class FontMapper
{
  public:
    // The family (UTF-8, for pango and fontconfig) that draws the face.
    static std::string FamilyFor(const CString& faceName);

    // The installed families that CP932 can name, sorted, each once; with a language (such as
    // "ja"), only the families that cover it.
    static CStringArray InstalledFamilies(const char* language = nullptr);

    static constexpr const char* kFallbackFamily = "IPAPGothic";
};
