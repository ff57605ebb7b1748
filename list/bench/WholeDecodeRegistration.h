#pragma once

#include "platform/CString.h"

class CZantobyDoc;

// Registration as it was before photos were decoded reduced and on all cores, kept as the
// benchmarks' baseline: the photo copied in, decoded whole, drawn over at full size and reduced
// into the two JPEGs, on the calling thread. The new slot, or -1.
int RegisterWholeDecoded(CZantobyDoc& doc, const CString& source, const CString& drawing);
