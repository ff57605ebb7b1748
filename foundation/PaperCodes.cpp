#include "foundation/PaperCodes.h"

#include <cstdlib>
#include <iterator>

namespace {

struct Paper
{
    int code;
    const char* media;
    int width; // tenths of a millimetre
    int height;
    const char* name;
};

// Windows paper numbers with their standard media names (PWG 5101.1) and the names people know.
constexpr Paper kPapers[] = {
    {1, "na_letter_8.5x11in", 2159, 2794, "レター"},
    {3, "na_ledger_11x17in", 2794, 4318, "タブロイド"},
    {5, "na_legal_8.5x14in", 2159, 3556, "リーガル"},
    {7, "na_executive_7.25x10.5in", 1842, 2667, "エグゼクティブ"},
    {8, "iso_a3_297x420mm", 2970, 4200, "A3"},
    {9, "iso_a4_210x297mm", 2100, 2970, "A4"},
    {11, "iso_a5_148x210mm", 1480, 2100, "A5"},
    {12, "jis_b4_257x364mm", 2570, 3640, "B4 (JIS)"},
    {13, "jis_b5_182x257mm", 1820, 2570, "B5 (JIS)"},
    {14, "om_folio_210x330mm", 2100, 3300, "フォリオ"},
    {20, "na_number-10_4.125x9.5in", 1048, 2413, "封筒 #10"},
    {27, "iso_dl_110x220mm", 1100, 2200, "封筒 DL"},
    {28, "iso_c5_162x229mm", 1620, 2290, "封筒 C5"},
    {31, "iso_c6_114x162mm", 1140, 1620, "封筒 C6"},
    {34, "iso_b5_176x250mm", 1760, 2500, "B5 (ISO)"},
    {43, "jpn_hagaki_100x148mm", 1000, 1480, "はがき"},
    {66, "iso_a2_420x594mm", 4200, 5940, "A2"},
    {69, "jpn_oufuku_148x200mm", 1480, 2000, "往復はがき"},
    {70, "iso_a6_105x148mm", 1050, 1480, "A6"},
    {71, "jpn_kaku2_240x332mm", 2400, 3320, "角形2号封筒"},
    {73, "jpn_chou3_120x235mm", 1200, 2350, "長形3号封筒"},
    {74, "jpn_chou4_90x205mm", 900, 2050, "長形4号封筒"},
    {88, "jis_b6_128x182mm", 1280, 1820, "B6 (JIS)"},
};

const Paper* Find(int code)
{
    for (const Paper& paper : kPapers) {
        if (paper.code == code) {
            return &paper;
        }
    }
    return nullptr;
}

bool Near(int a, int b)
{
    return std::abs(a - b) <= 10;
}

} // namespace

const char* CPaperCodes::ToMediaName(int code)
{
    const Paper* paper = Find(code);
    return paper != nullptr ? paper->media : "";
}

const char* CPaperCodes::GetDisplayName(int code)
{
    const Paper* paper = Find(code);
    return paper != nullptr ? paper->name : "";
}

int CPaperCodes::FromMedia(const CString& mediaName, int width, int length)
{
    for (const Paper& paper : kPapers) {
        if (mediaName == paper.media) {
            return paper.code;
        }
    }
    // Hundredths to tenths of a millimetre.
    const int w = (width + 5) / 10;
    const int h = (length + 5) / 10;
    for (const Paper& paper : kPapers) {
        if ((Near(paper.width, w) && Near(paper.height, h)) ||
            (Near(paper.width, h) && Near(paper.height, w))) {
            return paper.code;
        }
    }
    return 0;
}

CSize CPaperCodes::GetSize(int code)
{
    const Paper* paper = Find(code);
    return paper != nullptr ? CSize(paper->width, paper->height) : CSize();
}
