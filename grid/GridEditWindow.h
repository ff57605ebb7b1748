#pragma once

#include "platform/CString.h"
#include "platform/Geometry.h"

struct LogFont;

// An in-cell edit window as the grid model drives it; the window layer's edits implement it.
class CGridEditWindow
{
  public:
    virtual ~CGridEditWindow() = default;

    virtual void SetText(const CString& text) = 0;
    virtual CString GetText() const = 0;
    // Lays the window over rect in the part of the given section (cell area, top or side
    // heading), with the font and one or several lines, shows it and gives it the focus.
    virtual void Open(int section, const CRect& rect, const LogFont* font, bool multiLine) = 0;
    // Types a first character into the open window.
    virtual void SendChar(unsigned int character) = 0;
    virtual void Hide() = 0;
    virtual bool HasFocus() const = 0;
    virtual const LogFont* GetFont() const = 0;
};
