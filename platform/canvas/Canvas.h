#pragma once

#include "platform/Bitmap.h"
#include "platform/CString.h"
#include "platform/Geometry.h"
#include "platform/TextMeasurer.h"
#include "platform/canvas/CanvasConstants.h"
#include "platform/canvas/LogFont.h"

#include <memory>
#include <vector>

typedef struct _cairo cairo_t;
typedef struct _cairo_surface cairo_surface_t;
class TextLayout;

// The program's drawing surface with the geometry of the drawing calls it was written against,
// over a cairo context: a bitmap in memory, a window's paint context or a printed page.
//
// Coordinates are logical units: pixels with y downwards (MM_TEXT), or 0.1 mm with y upwards
// (MM_LOMETRIC, at the resolution given by SetResolution). In MM_TEXT drawing is aliased and
// pixel-exact: a rectangle excludes its right and bottom edge, a one-pixel line leaves out its
// end pixel, and one-pixel lines follow the pixel steps of a line algorithm, with dotted and
// dashed patterns counted in pixels. Pens wider than one pixel draw solid with round ends and
// joins. Blits never mirror: a destination rectangle is normalised in device space.
class Canvas : public TextMeasurer
{
  public:
    // style PS_SOLID, PS_DASH, PS_DOT or PS_NULL; width in logical units, 0 = one device pixel.
    struct Pen
    {
        int style = PS_SOLID;
        int width = 0;
        COLORREF color = RGB(0, 0, 0);
        friend bool operator==(const Pen&, const Pen&) = default;
    };

    // A solid brush, or the null brush that fills nothing.
    struct Brush
    {
        bool isNull = false;
        COLORREF color = RGB(255, 255, 255);
        static Brush Solid(COLORREF color) { return {false, color}; }
        static Brush Null() { return {true, 0}; }
        friend bool operator==(const Brush&, const Brush&) = default;
    };

    // Logical units.
    struct TextMetrics
    {
        int height = 0; // ascent + descent: the height of one line
        int ascent = 0;
        int descent = 0;
        int aveCharWidth = 0;
    };

    // The colours of 3-D edges; the window layer sets the desktop's, the defaults are neutral
    // greys.
    struct EdgeColors
    {
        COLORREF face = RGB(240, 240, 240);
        COLORREF shadow = RGB(160, 160, 160);
        COLORREF darkShadow = RGB(105, 105, 105);
        COLORREF light = RGB(227, 227, 227);
        COLORREF highlight = RGB(255, 255, 255);
    };

    // A canvas for measuring text only, as on a 96 dpi screen.
    Canvas();
    // Draws straight into the pixels of a 24- or 32-bit bitmap, which must outlive the canvas and
    // keep its size. Other bitmaps give a canvas that draws nowhere (IsValid false).
    explicit Canvas(Bitmap& target) : Canvas(target, 1) {}
    // Draws on a reduced copy of a picture: logical pixels are those of the whole picture, and
    // reduction x reduction of them make one pixel of target. Edges are smoothed there, so that
    // each pixel takes the share of every shape that covers it, as a reduction of the picture
    // drawn at full size would.
    Canvas(Bitmap& target, int reduction);
    // Draws on an existing context (a window's paint context, a PDF page). The context's
    // transformation at this moment defines device units; its state is restored at the end.
    explicit Canvas(cairo_t* context);
    ~Canvas() override;
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    bool IsValid() const { return m_valid; }
    cairo_t* Context() const { return m_cr; }

    // Saves pen, brush, font, colours, modes, mapping, position and clipping. SaveDC returns the
    // new depth; RestoreDC takes a depth from SaveDC or, when negative, counts back from the top.
    int SaveDC();
    bool RestoreDC(int saved = -1);

    // Mapping
    void SetResolution(double dotsPerInch); // device units per inch; 96 unless set
    double GetResolution() const;
    int SetMapMode(int mode); // MM_TEXT or MM_LOMETRIC; returns the old mode
    int GetMapMode() const;
    CPoint SetViewportOrg(int x, int y); // device units; returns the old origin
    CPoint OffsetViewportOrg(int dx, int dy);
    CPoint GetViewportOrg() const;
    CPoint SetWindowOrg(int x, int y); // logical units
    CPoint GetWindowOrg() const;
    CPoint LPtoDP(CPoint point) const;
    CPoint DPtoLP(CPoint point) const;
    CRect LPtoDP(const CRect& rect) const;
    CRect DPtoLP(const CRect& rect) const;
    CSize LPtoDP(CSize size) const; // lengths, always positive
    CSize DPtoLP(CSize size) const;

    // Drawing tools and modes; each setter returns what it replaced.
    Pen SelectPen(const Pen& pen);
    Brush SelectBrush(const Brush& brush);
    LogFont SelectFont(const LogFont& font);
    const Pen& GetPen() const;
    const Brush& GetBrush() const;
    const LogFont& GetFont() const;
    COLORREF SetTextColor(COLORREF color);
    COLORREF SetBkColor(COLORREF color);
    int SetBkMode(int mode);               // TRANSPARENT or OPAQUE
    unsigned SetTextAlign(unsigned align); // TA_ flags
    int SetROP2(int rop);                  // R2_COPYPEN or R2_NOT (inverts, so drawing twice erases)
    int SetPolyFillMode(int mode);         // ALTERNATE or WINDING
    int SetStretchBltMode(int mode);       // COLORONCOLOR or HALFTONE
    void SetEdgeColors(const EdgeColors& colors);

    // Lines and shapes with the pen, filled with the brush. The fill of a shape lies inside its
    // outline; with the null pen the shape is one pixel smaller to the right and bottom.
    CPoint MoveTo(int x, int y);
    CPoint MoveTo(CPoint point) { return MoveTo(point.x, point.y); }
    void LineTo(int x, int y);
    void LineTo(CPoint point) { LineTo(point.x, point.y); }
    CPoint GetCurrentPosition() const;
    void Polyline(const CPoint* points, int count);
    void Polygon(const CPoint* points, int count);
    void Rectangle(const CRect& rect);
    void Rectangle(int left, int top, int right, int bottom) { Rectangle(CRect(left, top, right, bottom)); }
    void Ellipse(const CRect& rect);

    // Brush-free fills: always plain colour, whatever the raster operation.
    void FillRect(const CRect& rect, COLORREF color);
    // A frame one logical unit wide just inside the rectangle.
    void FrameRect(const CRect& rect, COLORREF color);
    // Inverts every other pixel of the rectangle's outline; drawing it again erases it.
    void DrawFocusRect(const CRect& rect);
    // 3-D borders (BDR_ and EDGE_ values) on the sides named by BF_ flags; BF_MIDDLE fills the
    // inside with the face colour and BF_ADJUST leaves the inside in rect.
    void DrawEdge(CRect& rect, unsigned edge, unsigned flags);
    COLORREF SetPixel(int x, int y, COLORREF color);
    // The colour under a point, or CLR_INVALID outside the surface or on surfaces that cannot be
    // read back (windows and pages).
    COLORREF GetPixel(int x, int y) const;

    // Text in CP932. TextOut places the text by the alignment flags at the point, rotated by the
    // font's escapement; in OPAQUE mode its box is filled with the back colour first.
    void TextOut(int x, int y, const CString& text);
    // ETO_OPAQUE fills rect with the back colour, ETO_CLIPPED keeps the text inside rect.
    void ExtTextOut(int x, int y, unsigned options, const CRect* rect, const CString& text);
    // Lays the text out in rect by DT_ flags and returns the height of the text in logical units.
    // DT_CALCRECT draws nothing and sets rect's right and bottom to the text's extent.
    int DrawText(const CString& text, CRect& rect, unsigned format);
    // Size of a line of text: CR and LF count for nothing, a character cut at the end is left out.
    CSize GetTextExtent(const char* text, int length) const override;
    CSize GetTextExtent(const CString& text) const;
    TextMetrics GetTextMetrics() const;
    // A text laid out as DrawText lays it out, without a width to wrap in: its width in logical
    // units, and its line's top, height and baseline in pango units of the device, which differ
    // for a character drawn from another face.
    struct LineBox
    {
        double width = 0;
        int top = 0;
        int height = 0;
        int baseline = 0;
    };
    LineBox MeasureLine(const CString& text) const;

    // Clipping: narrows the clip to a rectangle; SelectClipRect replaces it (null: no clip
    // beyond the surface's own). Saved and restored with the state.
    void IntersectClipRect(const CRect& rect);
    void SelectClipRect(const CRect* rect);
    CRect GetClipBox() const;

    // Bitmaps of any bit count (indexed ones through their palette). DrawBitmap copies it at its
    // own size; StretchBitmap fits the source rectangle into the destination by the stretch mode:
    // COLORONCOLOR takes the nearest pixel, HALFTONE averages areas.
    void DrawBitmap(const Bitmap& bitmap, int x, int y);
    void StretchBitmap(const Bitmap& bitmap, const CRect& destination, const CRect& source);

  private:
    struct State;
    struct DevicePoint
    {
        double x;
        double y;
    };

    void Init(cairo_t* context);
    // Pages (PDF, PostScript, SVG, recordings) rather than pixels.
    static bool IsVector(cairo_t* cr);
    DevicePoint ToDevice(double x, double y) const;
    std::vector<DevicePoint> ToDevice(const CPoint* points, int count) const;
    CPoint ToLogical(double x, double y) const;
    // Normalised device rectangle, whole device pixels except on vector pages; false when empty.
    bool DeviceRect(const CRect& rect, double& left, double& top, double& right, double& bottom) const;
    bool PixelExact() const;
    double Scale() const;
    TextLayout& Text() const;
    void SetColor(COLORREF color) const;
    // Fills the current path; raster fills obey the raster operation.
    void FillPath(COLORREF color, bool raster);
    void FillDeviceRect(double left, double top, double right, double bottom, COLORREF color);
    double PenDeviceWidth() const;
    void AddPixelLine(DevicePoint from, DevicePoint to);
    void StrokeOutline(const std::vector<DevicePoint>& points, bool closed);
    void StrokePath();
    void DrawTextLine(int x, int y, const CString& text, const CRect* clip);

    bool m_valid = false;
    cairo_surface_t* m_ownSurface = nullptr;
    cairo_t* m_cr = nullptr;
    std::unique_ptr<State> m_state;
    std::vector<State> m_saved;
    EdgeColors m_edgeColors;
    int m_stylePhase = 0;
    std::vector<double> m_baseClip; // left, top, right, bottom per rectangle
    mutable std::unique_ptr<TextLayout> m_text;
};
