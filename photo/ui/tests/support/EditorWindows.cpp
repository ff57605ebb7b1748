#include "EditorWindows.h"

#include "app/ui/ZantobyApp.h"
#include "app/ui/ZantobyDocManager.h"
#include "list/ZantobyDoc.h"
#include "photo/ui/EditPhotoDoc.h"

CEditPhotoDoc* OpenEditorDocument()
{
    for (wxDocument* doc : wxGetApp().GetDocManager()->GetDocumentsVector()) {
        if (auto* editor = dynamic_cast<CEditPhotoDoc*>(doc)) {
            return editor;
        }
    }
    return nullptr;
}

int FirstLineWithPhoto(CZantobyDoc& list)
{
    for (int line = 0; line < list.displayCount; ++line) {
        if (list.displayOrder[line] >= 0 && list.GetRow(list.displayOrder[line]).photoCount > 0) {
            return line;
        }
    }
    return -1;
}
