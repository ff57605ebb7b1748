#include "foundation/PaperList.h"

#include "foundation/PaperCodes.h"
#include "foundation/PaperNames.h"
#include "platform/Cp932.h"
#include "platform/MessageBox.h"
#include "platform/PrintSpooler.h"

#include <cstdlib>

namespace {

bool HasDoubleByte(const CString& text)
{
    for (int i = 0; i < text.GetLength(); ++i) {
        if (static_cast<unsigned char>(text[i]) >= 0x80) {
            return true;
        }
    }
    return false;
}

// The name a paper is listed under: the print system's own when it is Japanese, else the name of
// its media, else the paper table's, else the print system's when it is more than the raw media
// keyword, else the size in millimetres.
CString ReadableName(const PrintSpooler::Media& media, int code)
{
    const CString shown(Cp932::FromUtf8(media.displayName));
    if (HasDoubleByte(shown)) {
        return shown;
    }
    const CString named(CPaperNames::Of(CString(media.name)));
    if (!named.IsEmpty()) {
        return named;
    }
    const CString known(CPaperCodes::GetDisplayName(code));
    if (!known.IsEmpty()) {
        return known;
    }
    if (!shown.IsEmpty() && media.displayName != media.name) {
        return shown;
    }
    CString size;
    size.Format("%d x %d mm", (media.width + 50) / 100, (media.length + 50) / 100);
    return size;
}

// Never cut a double-byte character in two.
CString CutToNameLength(const CString& name)
{
    int length = 0;
    while (length < name.GetLength()) {
        const int next = length + static_cast<int>(Cp932::CharLength(name.view(), length));
        if (next > 64) {
            break;
        }
        length = next;
    }
    return name.Left(length);
}

} // namespace

bool CPaperList::EnumPapers(const CString& deviceName, const CString&)
{
    RemoveAll();
    std::vector<PrintSpooler::Media> media;
    const bool answered = PrintSpooler::Current().ListMedia(Cp932::ToUtf8(deviceName.view()), media);
    // A print system lists a size once for each of its variants (borderless, other trays); the
    // list shows each size once.
    std::vector<const PrintSpooler::Media*> kept;
    std::vector<int> codes;
    for (const PrintSpooler::Media& paper : media) {
        const int code = CPaperCodes::FromMedia(CString(paper.name), paper.width, paper.length);
        bool seen = false;
        for (size_t i = 0; i < kept.size() && !seen; ++i) {
            seen = code != 0 ? codes[i] == code
                             : codes[i] == 0 && std::abs(kept[i]->width - paper.width) <= 100 &&
                                   std::abs(kept[i]->length - paper.length) <= 100;
        }
        if (!seen) {
            kept.push_back(&paper);
            codes.push_back(code);
        }
    }
    if (!kept.empty()) {
        CPaperItem* items = CreateBlock<CPaperItem>(static_cast<int>(kept.size()));
        int nextUserPaper = CPaperCodes::kFirstUserPaper;
        for (size_t i = 0; i < kept.size(); ++i) {
            CPaperItem& item = items[i];
            item.paperId = static_cast<short>(codes[i] != 0 ? codes[i] : nextUserPaper++);
            item.name = CutToNameLength(ReadableName(*kept[i], codes[i]));
            item.width = (kept[i]->width + 5) / 10;
            item.height = (kept[i]->length + 5) / 10;
        }
    }
    if (!answered) {
        ShowMessageBox("用紙一覧が取得できませんでした", "", MB_OK | MB_ICONHAND);
    }
    return answered;
}

int CPaperList::FindPaper(int paperId) const
{
    for (int i = 0; i < GetSize(); ++i) {
        if (GetItem(i)->paperId == paperId) {
            return i;
        }
    }
    return -1;
}
