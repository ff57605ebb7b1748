#include "foundation/PaperList.h"

#include "foundation/PaperCodes.h"
#include "platform/Cp932.h"
#include "platform/MessageBox.h"
#include "platform/PrintSpooler.h"

bool CPaperList::EnumPapers(const CString& deviceName, const CString&)
{
    RemoveAll();
    std::vector<PrintSpooler::Media> media;
    const bool answered = PrintSpooler::Current().ListMedia(Cp932::ToUtf8(deviceName.view()), media);
    if (!media.empty()) {
        CPaperItem* items = CreateBlock<CPaperItem>(static_cast<int>(media.size()));
        int nextUserPaper = CPaperCodes::kFirstUserPaper;
        for (size_t i = 0; i < media.size(); ++i) {
            CPaperItem& item = items[i];
            int code = CPaperCodes::FromMedia(CString(media[i].name), media[i].width, media[i].length);
            item.paperId = static_cast<short>(code != 0 ? code : nextUserPaper++);
            CString name(
                Cp932::FromUtf8(media[i].displayName.empty() ? media[i].name : media[i].displayName));
            // Never cut a double-byte character in two.
            int length = 0;
            while (length < name.GetLength()) {
                const int next = length + static_cast<int>(Cp932::CharLength(name.view(), length));
                if (next > 64) {
                    break;
                }
                length = next;
            }
            item.name = name.Left(length);
            item.width = (media[i].width + 5) / 10;
            item.height = (media[i].length + 5) / 10;
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
