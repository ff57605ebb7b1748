#pragma once

#include "platform/Geometry.h"

#include <functional>

// The desktop's colours and sizes. Code without a display asks through these hooks; the window
// layer installs handlers that ask the toolkit, tests keep the fixed defaults or install their own.

// Colour indexes
constexpr int COLOR_SCROLLBAR = 0;
constexpr int COLOR_WINDOW = 5;
constexpr int COLOR_WINDOWTEXT = 8;
constexpr int COLOR_HIGHLIGHT = 13;
constexpr int COLOR_HIGHLIGHTTEXT = 14;
constexpr int COLOR_BTNFACE = 15;
constexpr int COLOR_BTNSHADOW = 16;
constexpr int COLOR_GRAYTEXT = 17;
constexpr int COLOR_BTNTEXT = 18;
constexpr int COLOR_BTNHIGHLIGHT = 20;
constexpr int COLOR_3DDKSHADOW = 21;
constexpr int COLOR_3DLIGHT = 22;
constexpr int COLOR_INFOTEXT = 23;
constexpr int COLOR_INFOBK = 24;

// Metric indexes
constexpr int SM_CXSCREEN = 0;
constexpr int SM_CYSCREEN = 1;
constexpr int SM_CXVSCROLL = 2;
constexpr int SM_CYHSCROLL = 3;
constexpr int SM_CXHSCROLL = 21;

using SysColorHandler = std::function<COLORREF(int index)>;
using SystemMetricsHandler = std::function<int(int index)>;

// Install a handler and return the previous one; an empty handler restores the defaults.
SysColorHandler SetSysColorHandler(SysColorHandler handler);
SystemMetricsHandler SetSystemMetricsHandler(SystemMetricsHandler handler);

// The colour or size of an index; without a handler, the classic light desktop's values
// (black text on white windows, grey buttons, 17-pixel scroll bars) and 0 for unknown indexes.
COLORREF GetSysColor(int index);
int GetSystemMetrics(int index);
