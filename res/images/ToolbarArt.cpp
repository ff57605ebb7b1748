#include "res/images/ToolbarArt.h"

#include "res/images/IconPainter.h"

#include <array>
#include <span>

namespace {

using Painter = CIconPainter;
using Draw = void (*)(Painter&);

constexpr COLORREF kInk = Painter::kInk;
constexpr COLORREF kGrey = Painter::kGrey;
constexpr COLORREF kBlue = Painter::kBlue;
constexpr COLORREF kRed = Painter::kRed;
constexpr COLORREF kGreen = Painter::kGreen;

// The eight colours of the colour buttons, in the order of their images.
constexpr std::array<COLORREF, 8> kTextColors = {RGB(0, 0, 0),     RGB(255, 0, 0),    RGB(0, 128, 0),
                                                 RGB(255, 255, 0), RGB(0, 0, 255),    RGB(255, 0, 255),
                                                 RGB(0, 255, 255), RGB(255, 255, 255)};

// File and edit commands, shared by the toolbars.

void Open(Painter& p)
{
    p.Folder(0, 2);
}

void Save(Painter& p)
{
    p.Box(CRect(1, 1, 15, 15), kInk, kBlue);
    p.Fill(CRect(4, 2, 12, 7), RGB(255, 255, 255));
    p.Fill(CRect(5, 10, 11, 14), RGB(200, 200, 200));
    p.Fill(CRect(9, 11, 10, 13), kInk);
}

void Cut(Painter& p)
{
    p.Line(5, 1, 9, 9, kGrey);
    p.Line(10, 1, 6, 9, kGrey);
    p.Ellipse(CRect(2, 9, 7, 14), kInk, Painter::kTransparent);
    p.Ellipse(CRect(9, 9, 14, 14), kInk, Painter::kTransparent);
}

void Copy(Painter& p)
{
    p.Page(CRect(1, 1, 10, 11));
    p.TextLines(CRect(3, 4, 7, 10), kGrey);
    p.Page(CRect(6, 4, 15, 15));
    p.TextLines(CRect(8, 7, 13, 14), kBlue);
}

void Paste(Painter& p)
{
    p.Box(CRect(1, 2, 12, 15), RGB(110, 70, 30), Painter::kBrown);
    p.Box(CRect(4, 1, 9, 4), kInk, Painter::kLight);
    p.Page(CRect(6, 6, 15, 15));
    p.TextLines(CRect(8, 9, 13, 14), kBlue);
}

void Undo(Painter& p)
{
    p.Polyline({{3, 6}, {10, 6}, {13, 9}, {13, 11}, {10, 13}, {6, 13}}, kBlue, 1);
    p.Polyline({{3, 7}, {10, 7}, {12, 9}, {12, 11}, {10, 12}, {6, 12}}, kBlue, 1);
    p.Polygon({{5, 2}, {5, 11}, {1, 6}}, kBlue, kBlue);
}

void Redo(Painter& p)
{
    p.Polyline({{12, 6}, {5, 6}, {2, 9}, {2, 11}, {5, 13}, {9, 13}}, kBlue, 1);
    p.Polyline({{12, 7}, {5, 7}, {3, 9}, {3, 11}, {5, 12}, {9, 12}}, kBlue, 1);
    p.Polygon({{10, 2}, {10, 11}, {14, 6}}, kBlue, kBlue);
}

void Help(Painter& p)
{
    p.Ellipse(CRect(1, 0, 15, 14), kBlue, kBlue);
    p.QuestionMark(6, 3, RGB(255, 255, 255));
    p.QuestionMark(7, 3, RGB(255, 255, 255));
}

// The list's commands.

void PrintBase(Painter& p, bool sheet)
{
    p.Printer(CRect(0, 6, 12, 14));
    if (sheet) {
        p.Page(CRect(9, 0, 16, 9));
        p.Fill(CRect(10, 2, 13, 5), Painter::kSky);
    } else {
        p.Page(CRect(8, 0, 16, 10));
        p.TextLines(CRect(9, 2, 14, 9), kInk);
    }
}

void PrintList(Painter& p)
{
    PrintBase(p, false);
}

void PrintSheet(Painter& p)
{
    PrintBase(p, true);
}

void PreviewBase(Painter& p, bool sheet)
{
    p.Page(CRect(1, 0, 12, 14));
    if (sheet) {
        p.Fill(CRect(3, 2, 8, 6), Painter::kSky);
        p.TextLines(CRect(3, 8, 9, 13), kInk);
    } else {
        p.TextLines(CRect(3, 3, 10, 13), kInk);
    }
    p.Magnifier(6, 5);
}

void PreviewList(Painter& p)
{
    PreviewBase(p, false);
}

void PreviewSheet(Painter& p)
{
    PreviewBase(p, true);
}

void Bars(Painter& p, bool ascending)
{
    for (int i = 0; i < 4; ++i) {
        const int length = ascending ? 3 + 2 * i : 9 - 2 * i;
        p.Fill(CRect(6, 2 + 3 * i, 6 + length, 4 + 3 * i), kBlue);
    }
    p.ArrowDown(2, 1, 13, kInk);
}

void SortAscending(Painter& p)
{
    Bars(p, true);
}

void SortDescending(Painter& p)
{
    Bars(p, false);
}

void Find(Painter& p)
{
    p.Ellipse(CRect(1, 1, 11, 11), kInk, RGB(220, 240, 255));
    p.Line(3, 4, 5, 2, RGB(255, 255, 255));
    p.Line(9, 9, 14, 14, Painter::kBrown, 2);
}

void Extract(Painter& p)
{
    p.Polygon({{1, 1}, {14, 1}, {9, 7}, {9, 13}, {6, 14}, {6, 7}}, kInk, Painter::kYellow);
}

void InsertRow(Painter& p)
{
    p.Rows(CRect(0, 1, 13, 14), 3);
    p.Fill(CRect(5, 7, 13, 10), RGB(200, 240, 200));
    p.Plus(10, 9, kGreen);
}

void DuplicateRow(Painter& p)
{
    p.Rows(CRect(0, 1, 13, 14), 3);
    p.Fill(CRect(5, 4, 12, 6), RGB(200, 215, 240));
    p.Fill(CRect(5, 7, 12, 9), RGB(200, 215, 240));
    p.ArrowDown(14, 3, 7, kBlue);
}

void DeleteRow(Painter& p)
{
    p.Rows(CRect(0, 1, 13, 14), 3);
    p.Cross(8, 8, 7, kRed);
}

void ImportPhoto(Painter& p)
{
    p.Photo(CRect(4, 4, 16, 14));
    p.ArrowDown(3, 0, 8, kBlue);
}

void ContinuousImport(Painter& p)
{
    p.Photo(CRect(0, 0, 10, 8));
    p.Photo(CRect(3, 3, 13, 11));
    p.Photo(CRect(6, 6, 16, 14));
}

void DeletePhoto(Painter& p)
{
    p.Photo(CRect(0, 1, 13, 12));
    p.Cross(9, 8, 7, kRed);
}

void EditPhoto(Painter& p)
{
    p.Photo(CRect(0, 0, 13, 11));
    p.Line(6, 13, 14, 5, Painter::kYellow, 2);
    p.Line(6, 14, 7, 13, kInk);
}

void RotateBase(Painter& p, bool clockwise)
{
    p.Photo(CRect(4, 4, 12, 11));
    p.TurnArrow(8, 8, clockwise, kBlue);
}

void RotateRight(Painter& p)
{
    RotateBase(p, true);
}

void RotateLeft(Painter& p)
{
    RotateBase(p, false);
}

void PhotoOutput(Painter& p)
{
    p.Photo(CRect(0, 0, 11, 9));
    p.Folder(1, 3);
    p.ArrowRight(8, 11, 8, kBlue);
}

void Web(Painter& p)
{
    p.Ellipse(CRect(1, 0, 15, 14), kBlue, Painter::kSky);
    p.Ellipse(CRect(5, 0, 11, 14), kBlue, Painter::kSky);
    p.Line(1, 7, 14, 7, kBlue);
    p.Line(3, 3, 12, 3, kBlue);
    p.Line(3, 10, 12, 10, kBlue);
    p.Fill(CRect(3, 4, 6, 7), kGreen);
    p.Fill(CRect(9, 8, 12, 11), kGreen);
}

void TextColorImage(Painter& p, COLORREF color)
{
    p.LetterA(3, 0, kInk);
    p.Box(CRect(1, 11, 15, 15), color == RGB(0, 0, 0) ? kInk : kGrey, color);
}

void BackColorImage(Painter& p, COLORREF color)
{
    p.Box(CRect(1, 1, 15, 14), kGrey, color);
    p.Frame(CRect(2, 2, 14, 13), color == RGB(255, 255, 255) ? Painter::kLight : color);
}

template <int index> void TextColor(Painter& p)
{
    TextColorImage(p, kTextColors[index]);
}

template <int index> void BackColor(Painter& p)
{
    BackColorImage(p, kTextColors[index]);
}

// The photo editor's commands.

void TwoShapes(Painter& p, int dx, int dy)
{
    p.Box(CRect(1, 1, 9, 8), kInk, RGB(160, 200, 255));
    p.Ellipse(CRect(1 + dx, 1 + dy, 10 + dx, 9 + dy), kInk, RGB(255, 200, 120));
}

void Duplicate(Painter& p)
{
    TwoShapes(p, 5, 5);
}

void DeleteShape(Painter& p)
{
    p.Cross(3, 3, 10, kRed);
}

void Group(Painter& p)
{
    p.Frame(CRect(0, 0, 16, 15), kGrey);
    TwoShapes(p, 4, 4);
    for (const CPoint corner : {CPoint(0, 0), CPoint(14, 0), CPoint(0, 13), CPoint(14, 13)}) {
        p.Fill(CRect(corner.x, corner.y, corner.x + 2, corner.y + 2), kInk);
    }
}

void Ungroup(Painter& p)
{
    p.Box(CRect(0, 0, 8, 7), kInk, RGB(160, 200, 255));
    p.Ellipse(CRect(7, 6, 16, 15), kInk, RGB(255, 200, 120));
}

void FlipLeftRight(Painter& p)
{
    p.Polygon({{1, 2}, {6, 7}, {1, 12}}, kInk, kBlue);
    p.Polygon({{14, 2}, {9, 7}, {14, 12}}, kInk, Painter::kPaper);
    p.Line(7, 0, 7, 14, kGrey);
}

void FlipTopBottom(Painter& p)
{
    p.Polygon({{2, 0}, {7, 5}, {12, 0}}, kInk, kBlue);
    p.Polygon({{2, 14}, {7, 9}, {12, 14}}, kInk, Painter::kPaper);
    p.Line(0, 7, 15, 7, kGrey);
}

void RotateShapeRight(Painter& p)
{
    p.TurnArrow(8, 8, true, kBlue);
}

void RotateShapeLeft(Painter& p)
{
    p.TurnArrow(7, 8, false, kBlue);
}

void FitWindow(Painter& p)
{
    p.Photo(CRect(4, 4, 12, 11));
    p.Polyline({{0, 3}, {0, 0}, {3, 0}}, kInk);
    p.Polyline({{12, 0}, {15, 0}, {15, 3}}, kInk);
    p.Polyline({{0, 11}, {0, 14}, {3, 14}}, kInk);
    p.Polyline({{12, 14}, {15, 14}, {15, 11}}, kInk);
}

// A photo with an arrow across it, heads at both ends: across its width or its height.
void FitAcross(Painter& p, bool horizontal)
{
    p.Photo(CRect(3, 3, 13, 12));
    // The arrow is drawn along x; swap gives the vertical one.
    auto line = [&](int x1, int y1, int x2, int y2) {
        if (horizontal) {
            p.Line(x1, y1, x2, y2, kInk);
        } else {
            p.Line(y1 + 1, x1, y2 + 1, x2, kInk);
        }
    };
    line(0, 7, 14, 7);
    line(0, 7, 2, 5);
    line(0, 7, 2, 9);
    line(14, 7, 12, 5);
    line(14, 7, 12, 9);
}

void FitWidth(Painter& p)
{
    FitAcross(p, true);
}

void FitHeight(Painter& p)
{
    FitAcross(p, false);
}

void OriginalSize(Painter& p)
{
    p.Box(CRect(0, 1, 16, 14), kGrey, Painter::kPaper);
    // "1:1"
    p.Line(4, 4, 4, 10, kInk);
    p.Pixel(3, 5, kInk);
    p.Pixel(7, 5, kInk);
    p.Pixel(7, 9, kInk);
    p.Line(11, 4, 11, 10, kInk);
    p.Pixel(10, 5, kInk);
}

// The chosen shape (orange) above or below another.
void BringToFront(Painter& p)
{
    p.Box(CRect(6, 6, 16, 15), kInk, RGB(200, 200, 200));
    p.Box(CRect(0, 0, 10, 9), kInk, RGB(255, 200, 120));
}

void SendToBack(Painter& p)
{
    p.Box(CRect(0, 0, 10, 9), kInk, RGB(255, 200, 120));
    p.Box(CRect(6, 6, 16, 15), kInk, RGB(200, 200, 200));
}

void Properties(Painter& p)
{
    p.Page(CRect(2, 0, 14, 15));
    for (int y = 3; y < 13; y += 3) {
        p.Fill(CRect(4, y, 6, y + 2), kBlue);
        p.Line(7, y + 1, 11, y + 1, kInk);
    }
}

// The drawing tools.

void Select(Painter& p)
{
    p.Polygon({{4, 0}, {4, 12}, {7, 9}, {9, 14}, {11, 13}, {9, 8}, {13, 8}}, kInk, Painter::kPaper);
}

void Area(Painter& p)
{
    Canvas& canvas = p.GetCanvas();
    Canvas::Pen dotted;
    dotted.style = PS_DOT;
    dotted.color = kInk;
    const Canvas::Pen old = canvas.SelectPen(dotted);
    const Canvas::Brush oldBrush = canvas.SelectBrush(Canvas::Brush::Null());
    canvas.Rectangle(2, 2, 14, 13);
    canvas.SelectBrush(oldBrush);
    canvas.SelectPen(old);
    for (const CPoint corner : {CPoint(1, 1), CPoint(12, 1), CPoint(1, 11), CPoint(12, 11)}) {
        p.Fill(CRect(corner.x, corner.y, corner.x + 3, corner.y + 3), kRed);
    }
}

void BoxTool(Painter& p)
{
    p.Box(CRect(1, 2, 15, 13), kInk, RGB(160, 200, 255));
}

void PolygonTool(Painter& p)
{
    p.Polygon({{2, 12}, {1, 5}, {7, 1}, {14, 4}, {12, 13}}, kInk, RGB(160, 200, 255));
}

void EllipseTool(Painter& p)
{
    p.Ellipse(CRect(0, 2, 16, 14), kInk, RGB(160, 200, 255));
}

void LineTool(Painter& p)
{
    p.Line(1, 13, 14, 1, kInk, 2);
}

void FreeLineTool(Painter& p)
{
    p.Polyline({{1, 12}, {4, 4}, {8, 10}, {11, 2}, {14, 8}}, kInk, 1);
}

void ShadeTool(Painter& p)
{
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 4; ++x) {
            const int level = 90 + 40 * ((x + y) % 4);
            p.Fill(CRect(1 + 3 * x + (x > 1), 1 + 3 * y, 4 + 3 * x + (x > 1), 4 + 3 * y),
                   RGB(level, level, level));
        }
    }
    p.Frame(CRect(0, 0, 15, 14), kGrey);
}

void TextTool(Painter& p)
{
    p.LetterA(3, 2, kInk);
    p.Line(2, 12, 13, 12, kInk);
}

constexpr std::array<Draw, 2> kOpenImages = {Open, Help};

constexpr std::array<Draw, 43> kMainImages = {Open,           Save,         Cut,          Copy,
                                              Paste,          Undo,         Redo,         PrintList,
                                              PrintSheet,     PreviewList,  PreviewSheet, SortAscending,
                                              SortDescending, Find,         Extract,      InsertRow,
                                              DuplicateRow,   DeleteRow,    ImportPhoto,  ContinuousImport,
                                              DeletePhoto,    EditPhoto,    RotateRight,  RotateLeft,
                                              PhotoOutput,    Web,          Help,         TextColor<0>,
                                              TextColor<1>,   TextColor<2>, TextColor<3>, TextColor<4>,
                                              TextColor<5>,   TextColor<6>, TextColor<7>, BackColor<0>,
                                              BackColor<1>,   BackColor<2>, BackColor<3>, BackColor<4>,
                                              BackColor<5>,   BackColor<6>, BackColor<7>};

constexpr std::array<Draw, 23> kEditorImages = {Open,
                                                Save,
                                                Cut,
                                                Copy,
                                                Paste,
                                                Undo,
                                                Redo,
                                                Duplicate,
                                                DeleteShape,
                                                Group,
                                                Ungroup,
                                                FlipLeftRight,
                                                FlipTopBottom,
                                                RotateShapeRight,
                                                RotateShapeLeft,
                                                FitWindow,
                                                FitWidth,
                                                FitHeight,
                                                OriginalSize,
                                                BringToFront,
                                                SendToBack,
                                                Properties,
                                                Help};

constexpr std::array<Draw, 9> kFormatImages = {Select,   Area,         BoxTool,   PolygonTool, EllipseTool,
                                               LineTool, FreeLineTool, ShadeTool, TextTool};

std::span<const Draw> ImagesOf(int toolbarId)
{
    switch (toolbarId) {
    case CToolbarArt::kOpenBar:
        return kOpenImages;
    case CToolbarArt::kMainBar:
        return kMainImages;
    case CToolbarArt::kEditorBar:
        return kEditorImages;
    case CToolbarArt::kFormatBar:
        return kFormatImages;
    default:
        return {};
    }
}

} // namespace

int CToolbarArt::GetImageCount(int toolbarId)
{
    return static_cast<int>(ImagesOf(toolbarId).size());
}

Bitmap CToolbarArt::DrawImage(int toolbarId, int index)
{
    const std::span<const Draw> images = ImagesOf(toolbarId);
    if (index < 0 || index >= static_cast<int>(images.size())) {
        return Bitmap();
    }
    Bitmap image = CIconPainter::MakeTransparent(kImageWidth, kImageHeight);
    CIconPainter painter(image);
    images[static_cast<size_t>(index)](painter);
    return image;
}

Bitmap CToolbarArt::DrawStrip(int toolbarId)
{
    const int count = GetImageCount(toolbarId);
    Bitmap strip;
    if (count == 0) {
        return strip;
    }
    strip.Create(kImageWidth * count, kImageHeight, 32);
    for (int index = 0; index < count; ++index) {
        const Bitmap image = DrawImage(toolbarId, index);
        for (int y = 0; y < kImageHeight; ++y) {
            const Bitmap::Pixel* from = image.Row(y);
            std::copy(from, from + kImageWidth, strip.Row(y) + index * kImageWidth);
        }
    }
    return strip;
}
