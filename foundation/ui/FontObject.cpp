#include "foundation/ui/FontObject.h"

#include "platform/canvas/FontMapper.h"
#include "platform/ui/WxText.h"

#include <wx/dcscreen.h>

#include <cmath>
#include <cstdlib>

namespace {

wxFont MakeFont(const LogFont& description, int pixelHeight)
{
    wxFontInfo info(wxSize(0, pixelHeight));
    info.FaceName(wxString::FromUTF8(FontMapper::FamilyFor(description.faceName)))
        .Italic(description.italic)
        .Underlined(description.underline)
        .Strikethrough(description.strikeOut);
    wxFont font(info);
    font.SetNumericWeight(description.weight <= 0 ? wxFONTWEIGHT_NORMAL : std::min(description.weight, 1000));
    return font;
}

} // namespace

bool CFontObject::Create(const CString& faceName, int height, int width, int weight, bool italic)
{
    m_logFont = LogFont();
    m_logFont.faceName = faceName;
    m_logFont.height = height;
    m_logFont.width = width;
    m_logFont.weight = weight;
    m_logFont.italic = italic;
    return Recreate();
}

bool CFontObject::Recreate()
{
    m_madeHere = true;
    const int height = m_logFont.height == 0 ? 12 : std::abs(m_logFont.height);
    m_font = MakeFont(m_logFont, height);
    if (m_logFont.height > 0 && m_font.IsOk()) {
        // A cell height: the character height is what leaves the face's own line spacing.
        wxScreenDC dc;
        dc.SetFont(m_font);
        const int cell = dc.GetCharHeight();
        if (cell > 0 && cell != height) {
            m_font =
                MakeFont(m_logFont, std::max(1, static_cast<int>(std::lround(height * 1.0 * height / cell))));
        }
    }
    return m_font.IsOk();
}

bool CFontObject::CopyFrom(const wxFont& font)
{
    m_font = wxNullFont;
    if (!font.IsOk()) {
        return false;
    }
    m_font = font;
    m_madeHere = false;
    return RefreshLogFont();
}

bool CFontObject::RefreshLogFont()
{
    if (!m_font.IsOk()) {
        return false;
    }
    // A font made here keeps the face name and height it was asked for: wx reports the
    // installed family and a size rounded through points.
    if (!m_madeHere) {
        m_logFont.faceName = FromWx(m_font.GetFaceName());
        m_logFont.height = -m_font.GetPixelSize().y;
        m_logFont.width = 0;
    }
    m_logFont.weight = m_font.GetNumericWeight();
    m_logFont.italic = m_font.GetStyle() == wxFONTSTYLE_ITALIC;
    m_logFont.underline = m_font.GetUnderlined();
    m_logFont.strikeOut = m_font.GetStrikethrough();
    return true;
}

bool CFontObject::SetWeight(int weight)
{
    if (!RefreshLogFont()) {
        return false;
    }
    m_logFont.weight = weight;
    return Recreate();
}
