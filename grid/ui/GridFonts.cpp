#include "grid/ui/GridFonts.h"

#include "platform/canvas/FontMapper.h"
#include "platform/canvas/LogFont.h"
#include "platform/canvas/TextLayout.h"
#include "platform/ui/GtkGlue.h"

wxFont CGridFonts::ToWx(const LogFont& font)
{
    // The size in points that gives the native control the character height the cells are
    // drawn with; a font's pixel size in wx is its line height, not its characters'.
    const double resolution = GtkGlue::FontResolution();
    wxFontInfo info(TextLayout::EmSize(font, resolution) * 72.0 / resolution);
    info.FaceName(wxString::FromUTF8(FontMapper::FamilyFor(font.faceName)));
    info.Bold(font.weight >= 700)
        .Italic(font.italic)
        .Underlined(font.underline)
        .Strikethrough(font.strikeOut);
    return wxFont(info);
}
