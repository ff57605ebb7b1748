#include "foundation/FontList.h"

#include "platform/canvas/FontMapper.h"

#include <set>

void CFontList::EnumFonts()
{
    RemoveAll();
    SetDeleteMode(kDeleteEach);
    const CStringArray japanese = FontMapper::InstalledFamilies("ja");
    std::set<std::string> coversJapanese;
    for (int i = 0; i < japanese.GetSize(); ++i) {
        coversJapanese.insert(japanese.GetAt(i).str());
    }
    const CStringArray families = FontMapper::InstalledFamilies();
    for (int i = 0; i < families.GetSize(); ++i) {
        const CString& face = families.GetAt(i);
        if (coversJapanese.count(face.str()) != 0) {
            Add(new CFontItem(face, CFontItem::kShiftJisCharset, CFontItem::kTrueTypeFont));
        }
        Add(new CFontItem(face, CFontItem::kAnsiCharset, CFontItem::kTrueTypeFont));
    }
}

int CFontList::Find(const CString& faceName, unsigned char charSet) const
{
    for (int i = 0; i < GetSize(); ++i) {
        if (GetItem(i)->faceName == faceName && GetItem(i)->charSet == charSet) {
            return i;
        }
    }
    return -1;
}
