#include "app/printing/PrintPhotoSize.h"

#include "list/ZantobyDoc.h"

bool CPrintPhotoSize::Compute(int width, int height, int size, bool shortSide, CSize& printed)
{
    if (width < 1 || height < 1) {
        printed = CSize();
        return false;
    }
    if (shortSide && width < height) {
        printed = CSize(size, MulDiv(height, size, width));
    } else {
        printed = CSize(MulDiv(width, size, height), size);
    }
    return true;
}

bool CPrintPhotoSize::OfSlot(const CZantobyDoc& doc, int slot, int size, CSize& printed)
{
    printed = CSize();
    if (slot < 0 || slot >= kMaxPhotos || !doc.GetPhoto(slot).inUse) {
        return false;
    }
    const PhotoRecord& photo = doc.GetPhoto(slot);
    return Compute(photo.width, photo.height, size, doc.photoSizes.shortSide, printed);
}
