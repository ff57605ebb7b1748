#pragma once

class wxDC;
typedef struct _cairo cairo_t;

// The cairo context behind a window's paint DC, which a Canvas draws through; null when the
// toolkit gives none.
cairo_t* GetCairoContext(wxDC& dc);
