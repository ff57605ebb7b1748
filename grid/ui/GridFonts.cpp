#include "grid/ui/GridFonts.h"

#include "platform/canvas/FontMapper.h"
#include "platform/canvas/LogFont.h"

#include <cstdlib>

wxFont CGridFonts::ToWx(const LogFont& font)
{
    // A cell height holds the character height and its leading; about five sixths are the
    // character.
    int pixels = font.height < 0 ? -font.height : font.height * 5 / 6;
    if (pixels <= 0) {
        pixels = 12;
    }
    wxFontInfo info(wxSize(0, pixels));
    info.FaceName(wxString::FromUTF8(FontMapper::FamilyFor(font.faceName)));
    info.Bold(font.weight >= 700)
        .Italic(font.italic)
        .Underlined(font.underline)
        .Strikethrough(font.strikeOut);
    return wxFont(info);
}
