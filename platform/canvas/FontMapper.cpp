#include "platform/canvas/FontMapper.h"

#include "platform/Cp932.h"

#include <fontconfig/fontconfig.h>
#include <iterator>
#include <mutex>
#include <set>
#include <unordered_map>

namespace {

struct FaceAlias
{
    const char* windowsFace; // CP932
    const char* family;
};

// The faces of a Japanese Windows and the IPA fonts drawn in their place.
constexpr FaceAlias kJapaneseFaces[] = {
    {"ＭＳ ゴシック", "IPAGothic"},    {"MS Gothic", "IPAGothic"},    {"MS ゴシック", "IPAGothic"},
    {"ＭＳ Ｐゴシック", "IPAPGothic"}, {"MS PGothic", "IPAPGothic"},  {"MS Pゴシック", "IPAPGothic"},
    {"MS UI Gothic", "IPAPGothic"},    {"ＭＳ 明朝", "IPAMincho"},    {"MS Mincho", "IPAMincho"},
    {"MS 明朝", "IPAMincho"},          {"ＭＳ Ｐ明朝", "IPAPMincho"}, {"MS PMincho", "IPAPMincho"},
    {"MS P明朝", "IPAPMincho"},
};

// Western faces of Windows, when they are not installed themselves.
constexpr FaceAlias kWesternFaces[] = {
    {"Arial", "IPAPGothic"},      {"Tahoma", "IPAPGothic"}, {"MS Sans Serif", "IPAPGothic"},
    {"Courier New", "IPAGothic"}, {"Courier", "IPAGothic"}, {"Times New Roman", "IPAPMincho"},
    {"Century", "IPAPMincho"},
};

const char* FindAlias(const CString& faceName, const FaceAlias* begin, const FaceAlias* end)
{
    for (const FaceAlias* alias = begin; alias != end; ++alias) {
        if (faceName.CompareNoCase(alias->windowsFace) == 0) {
            return alias->family;
        }
    }
    return nullptr;
}

bool IsInstalled(const std::string& family)
{
    FcPattern* pattern = FcPatternCreate();
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
    FcObjectSet* objects = FcObjectSetBuild(FC_FAMILY, nullptr);
    FcFontSet* fonts = FcFontList(nullptr, pattern, objects);
    bool found = fonts != nullptr && fonts->nfont > 0;
    if (fonts != nullptr) {
        FcFontSetDestroy(fonts);
    }
    FcObjectSetDestroy(objects);
    FcPatternDestroy(pattern);
    return found;
}

std::string Resolve(const CString& faceName)
{
    if (const char* family = FindAlias(faceName, std::begin(kJapaneseFaces), std::end(kJapaneseFaces))) {
        return family;
    }
    if (!faceName.IsEmpty()) {
        bool lossless = false;
        std::string family = Cp932::ToUtf8(faceName.view(), &lossless);
        if (lossless && IsInstalled(family)) {
            return family;
        }
    }
    if (const char* family = FindAlias(faceName, std::begin(kWesternFaces), std::end(kWesternFaces))) {
        return family;
    }
    // Other serif faces of Japanese Windows ("HG明朝E", "Mincho" variants) read best in Mincho.
    if (faceName.Find("明朝") >= 0 || faceName.Find("Mincho") >= 0) {
        return "IPAPMincho";
    }
    return FontMapper::kFallbackFamily;
}

} // namespace

std::string FontMapper::FamilyFor(const CString& faceName)
{
    // Asking fontconfig is slow and fonts do not come and go while the program runs. The
    // threads that render photos share the answers.
    static std::mutex guard;
    static std::unordered_map<std::string, std::string> cache;
    {
        std::lock_guard<std::mutex> lock(guard);
        auto found = cache.find(faceName.str());
        if (found != cache.end()) {
            return found->second;
        }
    }
    std::string family = Resolve(faceName);
    std::lock_guard<std::mutex> lock(guard);
    cache.emplace(faceName.str(), family);
    return family;
}

CStringArray FontMapper::InstalledFamilies(const char* language)
{
    std::set<std::string> names;
    FcPattern* pattern = FcPatternCreate();
    if (language != nullptr) {
        FcPatternAddString(pattern, FC_LANG, reinterpret_cast<const FcChar8*>(language));
    }
    FcObjectSet* objects = FcObjectSetBuild(FC_FAMILY, nullptr);
    FcFontSet* fonts = FcFontList(nullptr, pattern, objects);
    if (fonts != nullptr) {
        for (int i = 0; i < fonts->nfont; ++i) {
            FcChar8* family = nullptr;
            if (FcPatternGetString(fonts->fonts[i], FC_FAMILY, 0, &family) != FcResultMatch) {
                continue;
            }
            bool lossless = false;
            std::string name = Cp932::FromUtf8(reinterpret_cast<const char*>(family), &lossless);
            if (lossless && !name.empty()) {
                names.insert(name);
            }
        }
        FcFontSetDestroy(fonts);
    }
    FcObjectSetDestroy(objects);
    FcPatternDestroy(pattern);

    CStringArray result;
    for (const std::string& name : names) {
        result.Add(CString(name));
    }
    return result;
}
