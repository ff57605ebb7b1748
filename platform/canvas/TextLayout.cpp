#include "platform/canvas/TextLayout.h"

#include "platform/Cp932.h"
#include "platform/canvas/FontMapper.h"

#include <algorithm>
#include <cmath>
#include <mutex>
#include <numbers>
#include <unordered_map>
#include <utility>
#include <vector>

namespace {

// Glyph sizes and layout widths in device units stay below this: FreeType refuses larger glyphs,
// and a refused size leaves cairo's face broken for every size after it.
constexpr double kMaxDeviceSize = 10'000;

struct FaceMetrics
{
    double ascent = 0;
    double descent = 0;
    double aveCharWidth = 0;
};

// Metrics of a face at a given size, in device units. Asking pango loads the fontset, which is
// too slow to repeat for every cell a grid draws.
FaceMetrics MetricsOf(PangoContext* context, const PangoFontDescription* description)
{
    // Shared by the threads that render photos.
    static std::mutex guard;
    static std::unordered_map<std::string, FaceMetrics> cache;
    char* key = pango_font_description_to_string(description);
    std::string name(key);
    g_free(key);
    {
        std::lock_guard<std::mutex> lock(guard);
        auto found = cache.find(name);
        if (found != cache.end()) {
            return found->second;
        }
    }
    // Latin sample text, so that the average width is that of the single-byte characters, as
    // the average character width of a Japanese face is.
    // Pango gives metrics in user space only without the context's matrix (a PDF page's context
    // is scaled); layouts measure in user space either way.
    const PangoMatrix* matrix = pango_context_get_matrix(context);
    PangoMatrix* saved = matrix != nullptr ? pango_matrix_copy(matrix) : nullptr;
    pango_context_set_matrix(context, nullptr);
    PangoFontMetrics* metrics =
        pango_context_get_metrics(context, description, pango_language_from_string("en"));
    pango_context_set_matrix(context, saved);
    if (saved != nullptr) {
        pango_matrix_free(saved);
    }
    FaceMetrics result;
    result.ascent = pango_font_metrics_get_ascent(metrics) / double(PANGO_SCALE);
    result.descent = pango_font_metrics_get_descent(metrics) / double(PANGO_SCALE);
    result.aveCharWidth = pango_font_metrics_get_approximate_char_width(metrics) / double(PANGO_SCALE);
    pango_font_metrics_unref(metrics);
    std::lock_guard<std::mutex> lock(guard);
    if (cache.size() > 512) {
        cache.clear();
    }
    cache.emplace(std::move(name), result);
    return result;
}

// Cell height (ascent + descent) per em of a face, to turn a cell height into a font size.
double CellPerEm(PangoContext* context, PangoFontDescription* description)
{
    constexpr double kReference = 1000;
    PangoFontDescription* probe = pango_font_description_copy(description);
    pango_font_description_set_absolute_size(probe, kReference * PANGO_SCALE);
    FaceMetrics metrics = MetricsOf(context, probe);
    pango_font_description_free(probe);
    double cell = (metrics.ascent + metrics.descent) / kReference;
    return cell > 0.1 ? cell : 1.0;
}

PangoFontDescription* DescriptionOf(const LogFont& font)
{
    PangoFontDescription* description = pango_font_description_new();
    pango_font_description_set_family(description, FontMapper::FamilyFor(font.faceName).c_str());
    int weight = font.weight <= 0 ? FW_NORMAL : std::min(font.weight, 1000);
    pango_font_description_set_weight(description, static_cast<PangoWeight>(weight));
    pango_font_description_set_style(description, font.italic ? PANGO_STYLE_ITALIC : PANGO_STYLE_NORMAL);
    return description;
}

// The character height in device units: a negative height is it, a positive one is the cell.
double EmOf(PangoContext* context, PangoFontDescription* description, const LogFont& font, double deviceScale,
            double dotsPerInch)
{
    double em;
    if (font.height < 0) {
        em = -static_cast<double>(font.height) * deviceScale;
    } else if (font.height > 0) {
        em = font.height * deviceScale / CellPerEm(context, description);
    } else {
        em = 12.0 * dotsPerInch / 96.0; // 9 points
    }
    // Sizes from files are taken as they come; beyond this no text is readable anyway.
    return std::clamp(em, 1.0, kMaxDeviceSize);
}

std::string ToLayoutText(std::string_view cp932, bool singleLine)
{
    if (!singleLine) {
        return Cp932::ToUtf8(cp932);
    }
    std::string kept;
    kept.reserve(cp932.size());
    for (char c : cp932) {
        if (c != '\r' && c != '\n' && c != '\0') {
            kept += c;
        }
    }
    return Cp932::ToUtf8(kept);
}

} // namespace

TextLayout::TextLayout(cairo_t* cr)
{
    cairo_matrix_t matrix;
    cairo_get_matrix(cr, &matrix);
    m_context = pango_cairo_create_context(cr);
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_surface_type_t type = cairo_surface_get_type(cairo_get_target(cr));
    const bool vector = type == CAIRO_SURFACE_TYPE_PDF || type == CAIRO_SURFACE_TYPE_PS ||
                        type == CAIRO_SURFACE_TYPE_SVG || type == CAIRO_SURFACE_TYPE_RECORDING;
    // A reduced picture's pixels are not those the text is measured in.
    const bool reduced = std::abs(matrix.xx) != 1 || std::abs(matrix.yy) != 1;
    const bool exact = vector || reduced;
    // Whole-pixel advances on screens and images, as measured text must fit where it is drawn;
    // vector pages, recordings and reduced pictures keep the exact outlines. Windows and pictures
    // hint alike: a display's own full hinting would drop the thin underscore of a small cell.
    cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
    cairo_font_options_set_hint_metrics(options, exact ? CAIRO_HINT_METRICS_OFF : CAIRO_HINT_METRICS_ON);
    cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_SLIGHT);
    if (exact) {
        cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
        // Advances rounded to whole device units would make text wider or narrower with the
        // resolution.
        pango_context_set_round_glyph_positions(m_context, FALSE);
    }
    pango_cairo_context_set_font_options(m_context, options);
    cairo_font_options_destroy(options);
    m_layout = pango_layout_new(m_context);
    pango_layout_set_auto_dir(m_layout, FALSE);
}

double TextLayout::EmSize(const LogFont& font, double dotsPerInch)
{
    PangoContext* context = pango_font_map_create_context(pango_cairo_font_map_get_default());
    PangoFontDescription* description = DescriptionOf(font);
    const double em = EmOf(context, description, font, 1.0, dotsPerInch);
    pango_font_description_free(description);
    g_object_unref(context);
    return em;
}

TextLayout::~TextLayout()
{
    g_object_unref(m_layout);
    g_object_unref(m_context);
}

void TextLayout::SetFont(const LogFont& font, double deviceScale, double dotsPerInch)
{
    if (m_hasFont && font == m_font && deviceScale == m_deviceScale && dotsPerInch == m_dotsPerInch) {
        return;
    }
    m_font = font;
    m_deviceScale = deviceScale;
    m_dotsPerInch = dotsPerInch;
    m_hasFont = true;

    PangoFontDescription* description = DescriptionOf(font);
    const double em = EmOf(m_context, description, font, deviceScale, dotsPerInch);
    pango_font_description_set_absolute_size(description, std::round(em * PANGO_SCALE));

    FaceMetrics metrics = MetricsOf(m_context, description);
    m_ascent = metrics.ascent;
    m_descent = metrics.descent;
    m_aveCharWidth = metrics.aveCharWidth;
    m_stretch = 1;
    if (font.width != 0 && m_aveCharWidth > 0) {
        m_stretch = std::clamp(std::abs(static_cast<double>(font.width)) * deviceScale / m_aveCharWidth, 0.01,
                               kMaxDeviceSize / em);
    }
    m_angle = font.escapement / 10.0 * std::numbers::pi / 180.0;

    pango_layout_set_font_description(m_layout, description);
    pango_font_description_free(description);
}

void TextLayout::SetText(std::string_view cp932, unsigned flags)
{
    bool singleLine = (flags & kSingleLine) != 0;
    PangoAttrList* attributes = nullptr;
    auto addAttribute = [&](PangoAttribute* attribute, size_t start, size_t end) {
        if (attributes == nullptr) {
            attributes = pango_attr_list_new();
        }
        attribute->start_index = static_cast<guint>(start);
        attribute->end_index = static_cast<guint>(end);
        pango_attr_list_insert(attributes, attribute);
    };

    std::string utf8;
    if ((flags & kPrefix) != 0 && cp932.find('&') != std::string_view::npos) {
        std::string plain;
        std::vector<std::pair<size_t, size_t>> underlined; // CP932 byte ranges in plain
        for (size_t i = 0; i < cp932.size();) {
            if (cp932[i] == '&' && i + 1 < cp932.size()) {
                ++i;
                if (cp932[i] != '&') {
                    size_t length = Cp932::CharLength(cp932, i);
                    underlined.emplace_back(plain.size(), plain.size() + length);
                }
            }
            size_t length = Cp932::CharLength(cp932, i);
            plain.append(cp932.substr(i, length));
            i += length;
        }
        utf8 = ToLayoutText(plain, singleLine);
        for (auto [start, end] : underlined) {
            // Offsets move with the conversion: convert the text in front of each mark.
            std::string_view before(plain.data(), start);
            size_t from = ToLayoutText(before, singleLine).size();
            size_t to = ToLayoutText(std::string_view(plain.data(), end), singleLine).size();
            addAttribute(pango_attr_underline_new(PANGO_UNDERLINE_SINGLE), from, to);
        }
    } else {
        utf8 = ToLayoutText(cp932, singleLine);
    }
    if (m_font.underline) {
        addAttribute(pango_attr_underline_new(PANGO_UNDERLINE_SINGLE), 0, utf8.size());
    }
    if (m_font.strikeOut) {
        addAttribute(pango_attr_strikethrough_new(TRUE), 0, utf8.size());
    }
    pango_layout_set_text(m_layout, utf8.data(), static_cast<int>(utf8.size()));
    pango_layout_set_attributes(m_layout, attributes);
    if (attributes != nullptr) {
        pango_attr_list_unref(attributes);
    }
}

void TextLayout::SetLimits(double width, bool wordBreak, bool ellipsis, int alignment)
{
    if (width < 0) {
        pango_layout_set_width(m_layout, -1);
        pango_layout_set_ellipsize(m_layout, PANGO_ELLIPSIZE_NONE);
    } else {
        pango_layout_set_width(m_layout,
                               static_cast<int>(std::floor(std::min(width, kMaxDeviceSize) * PANGO_SCALE)));
        pango_layout_set_wrap(m_layout, PANGO_WRAP_WORD_CHAR);
        pango_layout_set_ellipsize(m_layout,
                                   !wordBreak && ellipsis ? PANGO_ELLIPSIZE_END : PANGO_ELLIPSIZE_NONE);
    }
    pango_layout_set_alignment(m_layout, alignment == 1   ? PANGO_ALIGN_CENTER
                                         : alignment == 2 ? PANGO_ALIGN_RIGHT
                                                          : PANGO_ALIGN_LEFT);
}

PangoRectangle TextLayout::LogicalRect() const
{
    PangoRectangle logical;
    pango_layout_get_extents(m_layout, nullptr, &logical);
    return logical;
}

double TextLayout::Baseline() const
{
    return pango_layout_get_baseline(m_layout) / double(PANGO_SCALE);
}

void TextLayout::Show(cairo_t* cr)
{
    // The layout as measured, turned and stretched by cr's transformation as a whole: laid out
    // again under a stretch, pango would keep the glyphs' natural advances.
    pango_cairo_show_layout(cr, m_layout);
}
