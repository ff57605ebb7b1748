#include "list/drawing/DrawText.h"

#include "foundation/StringArrayEx.h"
#include "foundation/TextHelper.h"
#include "list/drawing/EditViewMapping.h"
#include "platform/Cp932.h"
#include "platform/canvas/Canvas.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace {

constexpr double kRadiansPerDegree = 0.017453292519444445;

// A real offset truncated toward zero.
int Trunc(double value)
{
    return static_cast<int>(value);
}

} // namespace

CStringArray CDrawText::GetLines() const
{
    CString lf = text;
    lf.Replace("\r\n", "\n");
    CStringArrayEx lines;
    lines.Split(lf, '\n');
    if (lines.IsEmpty()) {
        lines.Add(CString());
    }
    CStringArray result;
    result.Copy(lines);
    return result;
}

LogFont CDrawText::MakeFont(bool turned) const
{
    LogFont font;
    font.faceName = fontName;
    font.height = charHeight;
    font.width = charWidth;
    font.escapement = turned ? angle * 10 : 0;
    font.weight = bold ? FW_BOLD : FW_NORMAL;
    font.italic = italic;
    font.underline = underline;
    font.strikeOut = strikeOut;
    return font;
}

void CDrawText::GetTextExtent()
{
    // Measured as on the screen, in the font laid level.
    Canvas measure;
    measure.SelectFont(MakeFont(false));
    measure.SetTextAlign(TA_LEFT | TA_TOP);
    CStringArray lines = GetLines();
    int width = 0;
    for (const CString& line : lines) {
        width = std::max(width, measure.GetTextExtent(line).cx);
    }
    PlaceCorners(width, charHeight + GetPitch() * (lines.GetSize() - 1));
}

void CDrawText::PlaceCorners(int width, int height)
{
    const CPoint& p0 = corners[0];
    if (angle == 0) {
        corners[1] = CPoint(p0.x, p0.y + height);
        corners[2] = CPoint(p0.x + width, p0.y + height);
        corners[3] = CPoint(p0.x + width, p0.y);
        return;
    }
    double theta = angle * kRadiansPerDegree;
    double s = std::sin(theta);
    double c = std::cos(theta);
    corners[1] = CPoint(p0.x + Trunc(height * s), p0.y + Trunc(height * c));
    corners[2] = CPoint(p0.x + Trunc(width * c + height * s), p0.y + Trunc(height * c - width * s));
    corners[3] = CPoint(p0.x + Trunc(width * c), p0.y - Trunc(width * s));
}

void CDrawText::Draw(Canvas& dc) const
{
    if (text.IsEmpty()) {
        return;
    }
    int saved = dc.SaveDC();
    dc.SelectFont(MakeFont(true));
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextAlign(TA_LEFT | TA_TOP);
    CStringArray lines = GetLines();
    double theta = angle * kRadiansPerDegree;
    double pitch = GetPitch();
    auto writeLines = [&](int dx, int dy, COLORREF color) {
        dc.SetTextColor(color);
        for (int i = 0; i < lines.GetSize(); ++i) {
            dc.TextOut(corners[0].x + dx + Trunc(i * pitch * std::sin(theta)),
                       corners[0].y + dy + Trunc(i * pitch * std::cos(theta)), lines[i]);
        }
    };
    if (shadow.IsDrawn()) {
        writeLines(shadow.x, shadow.y, shadow.color);
    }
    writeLines(0, 0, textColor);
    dc.RestoreDC(saved);
}

void CDrawText::DrawFeedback(Canvas& dc, const CEditViewMapping& view, int mode, int px, int py, int qx,
                             int qy) const
{
    if (mode != HitCode::kBody) {
        return;
    }
    CPoint outline[5];
    for (int i = 0; i < 4; ++i) {
        outline[i] = ImageToClient(view, corners[i]);
        outline[i].Offset(qx - px, qy - py);
    }
    outline[4] = outline[0];
    dc.Polyline(outline, 5);
}

int CDrawText::HitTest(int x, int y, int tolerance) const
{
    const CPoint& p0 = corners[0];
    const CPoint& p2 = corners[2];
    bool inside = false;
    switch (angle) {
    case 0:
        inside = p0.x <= x && x < p2.x && p0.y <= y && y < p2.y;
        break;
    case 90:
        inside = p0.x <= x && x < p2.x && p2.y <= y && y < p0.y;
        break;
    case -90:
        inside = p2.x <= x && x < p0.x && p0.y <= y && y < p2.y;
        break;
    case 180:
        inside = p2.x <= x && x < p0.x && p2.y <= y && y < p0.y;
        break;
    default:
        inside = true;
        for (int i = 0; i < 4 && inside; ++i) {
            const CPoint& a = corners[i];
            const CPoint& b = corners[(i + 1) % 4];
            inside = IsOnInnerSide(x, y, a.x, a.y, b.x, b.y, tolerance);
        }
        break;
    }
    return inside ? HitCode::kBody : HitCode::kNone;
}

bool CDrawText::IntersectsRect(const CRect& rect)
{
    return std::any_of(std::begin(corners), std::end(corners),
                       [&](const CPoint& p) { return rect.PtInRect(p); });
}

void CDrawText::AddHandlePoints(CPointArray& points) const
{
    for (const CPoint& p : corners) {
        points.AddPoint(p);
    }
}

CRect CDrawText::GetRect() const
{
    CRect r = kNoPoints;
    for (const CPoint& p : corners) {
        IncludePoint(r, p);
    }
    return r;
}

void CDrawText::MoveResize(int mode, int px, int py, int qx, int qy, int)
{
    if (mode != HitCode::kBody) {
        return;
    }
    for (CPoint& p : corners) {
        p.Offset(qx - px, qy - py);
    }
}

void CDrawText::MoveOriginTo(const CPoint& origin)
{
    MoveResize(HitCode::kBody, corners[0].x, corners[0].y, origin.x, origin.y, 0);
}

void CDrawText::FlipHorizontal(const CRect& frame)
{
    MoveOriginTo(CPoint(frame.left + frame.right - corners[3].x, corners[3].y));
    angle = -angle;
    charWidth = -charWidth;
    GetTextExtent();
}

void CDrawText::FlipVertical(const CRect& frame)
{
    MoveOriginTo(CPoint(corners[1].x, frame.top + frame.bottom - corners[1].y));
    angle = -angle;
    GetTextExtent();
}

void CDrawText::Rotate(int quarterTurns, const CRect& frame)
{
    int c = NormalizeQuarterTurns(quarterTurns);
    if (c == 0) {
        return;
    }
    MoveOriginTo(RotatePoint(corners[0], c, frame));
    angle = (angle + 90 * c) % 360;
    if (angle > 180) {
        angle -= 360;
    }
    GetTextExtent();
}

bool CDrawText::Read(const CStringArray& fields)
{
    ForEachKey(fields, true, [this](const CString& key, const CString& value) {
        if (ReadShadowKey(key, value)) {
            return;
        }
        if (key == "ps") {
            corners[0] = DrwValue::ToPoint(value);
        } else if (key == "ft.nm") {
            fontName = DrwValue::Unquote(value);
        } else if (key == "ft.sz") {
            CPoint size = DrwValue::ToPoint(value);
            charWidth = std::clamp(size.x, -DrwValue::kMaxFontSize, DrwValue::kMaxFontSize);
            charHeight = std::clamp(size.y, -DrwValue::kMaxFontSize, DrwValue::kMaxFontSize);
        } else if (key == "rp") {
            linePitch = DrwValue::ToCoordinate(value);
        } else if (key == "an") {
            // Whole turns add nothing, and the font takes the angle in tenths of a degree.
            angle = DrwValue::ToInt(value) % 360;
        } else if (key == "bo") {
            bold = true;
        } else if (key == "it") {
            italic = true;
        } else if (key == "ul") {
            underline = true;
        } else if (key == "so") {
            strikeOut = true;
        } else if (key == "tx.c") {
            textColor = static_cast<COLORREF>(DrwValue::ToInt(value));
        } else if (key == "tx") {
            CTextHelper unescaped(DrwValue::Unquote(value));
            unescaped.UnescapeBackslash();
            text = unescaped;
        }
    });
    GetTextExtent();
    return true;
}

bool CDrawText::Write(int indent, CString& out) const
{
    BeginLine(indent, out);
    // The font name is written as it is; lead bytes that lost their trail byte would pair with
    // the quote behind them, and a comma (which only a damaged file gives a name) would end it.
    std::string face = Cp932::WithoutBrokenLeadBytes(fontName.view());
    std::erase(face, ',');
    out.AppendFormat("ps=%d:%d,ft.nm='%s',ft.sz=%d:%d,rp=%d,", corners[0].x, corners[0].y, face.c_str(),
                     charWidth, charHeight, linePitch);
    if (angle != 0) {
        out.AppendFormat("an=%d,", angle);
    }
    const struct
    {
        bool set;
        const char* key;
    } styles[] = {{bold, "bo,"}, {italic, "it,"}, {underline, "ul,"}, {strikeOut, "so,"}};
    for (const auto& style : styles) {
        if (style.set) {
            out += style.key;
        }
    }
    out.AppendFormat("tx.c=%d,", static_cast<int>(textColor));
    AppendShadowKeys(out);
    // Escaped, the text's lead bytes that lost their trail byte left out as in the font name.
    out.AppendFormat(
        ",tx='%s'\n",
        CTextHelper::GetEscapedText(Cp932::WithoutBrokenLeadBytes(text.view()).c_str()).GetString());
    return true;
}
