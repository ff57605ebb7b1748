#pragma once

#include <wx/event.h>

// What a hosted field tells its dialog, under the field's own id, as one edit control would.
wxDECLARE_EVENT(EVT_FIELD_SET_FOCUS, wxCommandEvent);
wxDECLARE_EVENT(EVT_FIELD_CHANGE, wxCommandEvent);
wxDECLARE_EVENT(EVT_FIELD_KILL_FOCUS, wxCommandEvent);
// The value was changed by typing, browsing, picking or stepping.
wxDECLARE_EVENT(EVT_FIELD_UPDATE, wxCommandEvent);
// Sent before EVT_FIELD_UPDATE when a value was chosen (browse or pick) or edited and left.
wxDECLARE_EVENT(EVT_FIELD_SELEND_OK, wxCommandEvent);
// A spin step; a handler that vetoes it keeps the old text. GetInt() is the step direction,
// +1 up and -1 down, 0 for an edited value.
wxDECLARE_EVENT(EVT_FIELD_DELTA_POS, wxNotifyEvent);
wxDECLARE_EVENT(EVT_FIELD_DOUBLE_CLICK, wxCommandEvent);
