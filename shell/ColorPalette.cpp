#include "shell/ColorPalette.h"

#include <array>

namespace {

constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);

// Light colours carry a black mark, dark ones a white mark. Colours are 0xBBGGRR.
constexpr std::array<CColorPalette::Cell, CColorPalette::kCellCount> kCells = {{
    {1214, 0xFFFFFF, kBlack}, {1215, 0xC0C0FF, kBlack}, {1216, 0xC0FFC0, kBlack}, {1217, 0xC0FFFF, kBlack},
    {1218, 0xFFC0C0, kBlack}, {1219, 0xFFC0FF, kBlack}, {1220, 0xFFFFC0, kBlack}, {1221, 0xC0C0C0, kBlack},
    {1222, 0x8080FF, kBlack}, {1223, 0x80FF80, kBlack}, {1224, 0x80FFFF, kBlack}, {1225, 0xFF8080, kBlack},
    {1226, 0xFF80FF, kBlack}, {1227, 0xFFFF80, kBlack}, {1228, 0x808080, kBlack}, {1229, 0x0000FF, kBlack},
    {1230, 0x00FF00, kBlack}, {1231, 0x00FFFF, kBlack}, {1232, 0xFF0000, kBlack}, {1233, 0xFF00FF, kBlack},
    {1234, 0xFFFF00, kBlack}, {1235, 0x404040, kWhite}, {1236, 0x000080, kWhite}, {1237, 0x008000, kWhite},
    {1238, 0x008080, kWhite}, {1239, 0x800000, kWhite}, {1240, 0x800080, kWhite}, {1241, 0x808000, kWhite},
    {1242, 0x000000, kWhite}, {1243, 0x000040, kWhite}, {1244, 0x004000, kWhite}, {1245, 0x004040, kWhite},
    {1246, 0x400000, kWhite}, {1247, 0x400040, kWhite}, {1248, 0x404000, kWhite},
}};

struct Caption
{
    int target;
    const char* text;
};

constexpr Caption kCaptions[] = {
    {33011, "境界線の色"},     {33012, "背景の色"},       {33013, "文字の色"},
    {33014, "影の色"},         {34000, "先頭行の文字色"}, {34001, "先頭行の背景色"},
    {34002, "ヘッダの文字色"}, {34003, "ヘッダの背景色"}, {34004, "明細の文字色"},
    {34005, "明細の背景色"},
};

} // namespace

const CColorPalette::Cell& CColorPalette::GetCell(int index)
{
    return kCells.at(static_cast<size_t>(index));
}

const CColorPalette::Cell* CColorPalette::FindCell(int id)
{
    const int index = id - kFirstCellId;
    return index >= 0 && index < kCellCount ? &kCells[static_cast<size_t>(index)] : nullptr;
}

int CColorPalette::FindMarkedCell(COLORREF current)
{
    for (int index = 0; index < kCellCount; ++index) {
        if (kCells[static_cast<size_t>(index)].color == current) {
            return index;
        }
    }
    return -1;
}

CString CColorPalette::GetCellText(int index, COLORREF current)
{
    return index == FindMarkedCell(current) ? CString("*") : CString();
}

CString CColorPalette::GetToolTip(int index)
{
    const COLORREF color = GetCell(index).color;
    CString tip;
    tip.Format("R:%02X, G:%02X, B:%02X", GetRValue(color), GetGValue(color), GetBValue(color));
    return tip;
}

CString CColorPalette::GetCaption(int target)
{
    for (const Caption& caption : kCaptions) {
        if (caption.target == target) {
            return caption.text;
        }
    }
    return CString();
}
