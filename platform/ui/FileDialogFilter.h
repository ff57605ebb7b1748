#pragma once

#include <wx/string.h>

// The filter of a file dialog ("label|pattern;pattern|label|pattern", CP932) for wx, with every
// pattern matching its letters in either case. GTK's file chooser compares names as they are,
// while cameras and other systems write extensions in capitals ("IMG_0001.JPG").
wxString FileDialogFilter(const char* filter);
