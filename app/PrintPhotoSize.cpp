#include "app/PrintPhotoSize.h"

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
