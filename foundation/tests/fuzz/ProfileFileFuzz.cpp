// A profile from outside: settings read from it as the programs read theirs, then one written.
// The write must keep every other setting as it was read.
#include "foundation/ProfileFile.h"
#include "foundation/tests/support/ScratchFolder.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

struct Key
{
    const char* section;
    const char* key;
};

const Key kKeys[] = {
    {"Settings", "FontSize"},      {"Settings", "PhotoFolder"},
    {"Settings", "AutoView"},      {"ImportCSV", "Folder"},
    {"ImportCSV", "Mode"},         {"設定", "日付"},
    {"settings", "fontsize"},      {"", ""},
    {"Recent File List", "File1"},
};

std::vector<CString> ReadAll(const CProfileFile& profile)
{
    std::vector<CString> values;
    for (const Key& key : kKeys) {
        values.push_back(profile.GetProfileString(key.section, key.key, "(none)"));
    }
    return values;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static ScratchFolder scratch;
    const CString path = scratch / "Zantoby.ini";
    ScratchFolder::WriteBytes(path, std::string(reinterpret_cast<const char*>(data), size));

    CProfileFile profile(path);
    const std::vector<CString> before = ReadAll(profile);
    profile.GetProfileInt("Settings", "FontSize", 9);
    profile.GetProfileBool("Settings", "AutoView", true);
    profile.GetProfileDouble("Settings", "Zoom", 1.0);
    profile.GetProfileDate("設定", "日付");

    if (!profile.WriteProfileString("Written", "Key", "値 'x'")) {
        return 0;
    }
    if (profile.GetProfileString("Written", "Key") != "値 'x'" || ReadAll(profile) != before) {
        std::fprintf(stderr, "writing one setting changed what the profile reads\n");
        std::abort();
    }
    return 0;
}
