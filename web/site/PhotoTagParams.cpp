#include "web/site/PhotoTagParams.h"

#include "foundation/TextHelper.h"
#include "list/ZantobyDoc.h"
#include "web/site/WebTagScope.h"

bool CPhotoTagParams::Parse(const CString& tagText)
{
    return ForEachParam(tagText, [this](const CString& key, const CString& value) {
        if (key == "rec") {
            rec = ToInt(value);
        } else if (key == "no") {
            no = ToInt(value);
        } else if (key == "hspace") {
            hspace = ToInt(value);
        } else if (key == "vspace") {
            vspace = ToInt(value);
        } else if (key == "nameonly") {
            nameOnly = true;
        } else if (key == "defimg") {
            defImage = value;
        } else if (key == "def") {
            def = value;
        } else if (key == "size" && (value == "mid" || value == "small")) {
            size = value == "mid" ? kMiddle : kSmall;
        } else {
            return false;
        }
        return true;
    });
}

CString CPhotoTagParams::PhotoAddress(int slot, int size, bool fromSinglePage)
{
    CString address;
    address.Format(size == kMiddle ? "%sm/%04dm.jpg" : "%ss/%04ds.jpg", fromSinglePage ? "../" : "", slot);
    return address;
}

const char* CPhotoTagParams::Emit(const CWebTagScope& scope, CString& out) const
{
    int slot = -1;
    if (const char* failure = scope.FindPhoto(rec, no, slot)) {
        return failure;
    }
    CString spacing;
    if (hspace > 0) {
        spacing.AppendFormat(" hspace=%d", hspace);
    }
    if (vspace > 0) {
        spacing.AppendFormat(" vspace=%d", vspace);
    }
    out.Empty();
    if (slot >= 0) {
        CString address = PhotoAddress(slot, size, scope.Page().singlePage == 1);
        if (nameOnly) {
            out = address;
            return nullptr;
        }
        out = "<IMG src=" + address + " border=0";
        CTextHelper name(scope.Doc().GetPhoto(slot).name);
        name.EscapeHtmlText();
        if (!name.IsEmpty()) {
            // Quoted, so that a name with blanks stays one attribute value.
            out += " alt=\"" + name + "\"";
        }
        out += spacing + ">";
    } else if (!defImage.IsEmpty()) {
        out = "<IMG src=" + defImage + " border=0";
        if (!def.IsEmpty()) {
            out += " alt=" + def;
        }
        out += spacing + ">";
    }
    return nullptr;
}
