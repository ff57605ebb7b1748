#pragma once

#include "foundation/Number.h"
#include "foundation/TypedEditValue.h"

// The steps of a spin field and one step of its value up or down, by the typed edit's mode.
class CSpinSteps
{
  public:
    int integerStep = 1;
    double realStep = 1.0;
    CNumber decimalStep = CNumber(1);
    int dayStep = 1;
    int hourStep = 0;
    int minuteStep = 0;
    int secondStep = 0;
    int monthStep = 0;

    // Reads text into value, steps it and returns the new text. Text and digit modes return
    // the text unchanged. today stands for the current date where the mode needs one.
    CString Step(CTypedEditValue& value, const CString& text, bool up, const CDateEx& today) const;
};
