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
};

// Windows paper numbers with their standard media names (PWG 5101.1).
constexpr Paper kPapers[] = {
    {1, "na_letter_8.5x11in", 2159, 2794},        {3, "na_ledger_11x17in", 2794, 4318},
    {5, "na_legal_8.5x14in", 2159, 3556},         {7, "na_executive_7.25x10.5in", 1842, 2667},
    {8, "iso_a3_297x420mm", 2970, 4200},          {9, "iso_a4_210x297mm", 2100, 2970},
    {11, "iso_a5_148x210mm", 1480, 2100},         {12, "jis_b4_257x364mm", 2570, 3640},
    {13, "jis_b5_182x257mm", 1820, 2570},         {14, "om_folio_210x330mm", 2100, 3300},
    {20, "na_number-10_4.125x9.5in", 1048, 2413}, {27, "iso_dl_110x220mm", 1100, 2200},
    {28, "iso_c5_162x229mm", 1620, 2290},         {31, "iso_c6_114x162mm", 1140, 1620},
    {34, "iso_b5_176x250mm", 1760, 2500},         {43, "jpn_hagaki_100x148mm", 1000, 1480},
    {66, "iso_a2_420x594mm", 4200, 5940},         {69, "jpn_oufuku_148x200mm", 1480, 2000},
    {70, "iso_a6_105x148mm", 1050, 1480},         {71, "jpn_kaku2_240x332mm", 2400, 3320},
    {73, "jpn_chou3_120x235mm", 1200, 2350},      {74, "jpn_chou4_90x205mm", 900, 2050},
    {88, "jis_b6_128x182mm", 1280, 1820},
};

bool Near(int a, int b)
{
    return std::abs(a - b) <= 10;
}

} // namespace

const char* CPaperCodes::ToMediaName(int code)
{
    for (const Paper& paper : kPapers) {
        if (paper.code == code) {
            return paper.media;
        }
    }
    return "";
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
    for (const Paper& paper : kPapers) {
        if (paper.code == code) {
            return CSize(paper.width, paper.height);
        }
    }
    return CSize();
}
