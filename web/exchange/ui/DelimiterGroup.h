#pragma once

#include "foundation/ui/RadioGroup.h"

#include <wx/gdicmn.h>

class wxWindow;

// The delimiter choice that the CSV export and import panes share: a group "区切文字" of comma,
// tab, semicolon and space (ids 1177 to 1180), read as the delimiter's code.
extern const RadioGroupItem kDelimiterItems[];

// Makes the group box and its four buttons with the box's top left corner at origin.
void CreateDelimiterGroup(wxWindow* parent, const wxPoint& origin);
