#include "platform/ui/FileDialogFilter.h"

#include "platform/Cp932.h"
#include "platform/ui/WxText.h"

#include <string_view>

wxString FileDialogFilter(const char* filter)
{
    const std::string_view text(filter);
    CString out;
    bool pattern = false; // labels and patterns take turns between the bars
    for (size_t i = 0; i < text.size();) {
        const size_t length = Cp932::CharLength(text, i);
        const char ch = text[i];
        if (length == 1 && ch == '|') {
            pattern = !pattern;
            out += ch;
        } else if (pattern && length == 1 && ((ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z'))) {
            const char lower = static_cast<char>(ch | 0x20);
            out += '[';
            out += lower;
            out += static_cast<char>(lower - 0x20);
            out += ']';
        } else {
            out += CString(text.substr(i, length));
        }
        i += length;
    }
    return ToWx(out);
}
