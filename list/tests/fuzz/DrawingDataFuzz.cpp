// A drw file from outside: read, rendered over a small photo as a list's pictures are, then
// written and read again; the second writing must give the same text as the first.
#include "foundation/BitmapEx.h"
#include "list/PhotoRenderer.h"
#include "list/drawing/DrawingData.h"
#include "list/tests/support/TestPhotos.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    CDrawingData drawing;
    drawing.ReadText(CString(std::string_view(reinterpret_cast<const char*>(data), size)));

    CBitmapEx image;
    static_cast<Bitmap&>(image) = TestPhotos::Quadrants(40, 30);
    CRect frame;
    CString error;
    CPhotoRenderer::ApplyDrawing(image, drawing, frame, error);

    const CString written = drawing.WriteText("2.108.0");
    CDrawingData reread;
    reread.ReadText(written);
    if (reread.WriteText("2.108.0") != written) {
        std::fprintf(stderr, "a written drawing reads back changed\n");
        std::abort();
    }
    return 0;
}
