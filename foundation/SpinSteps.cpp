#include "foundation/SpinSteps.h"

CString CSpinSteps::Step(CTypedEditValue& value, const CString& text, bool up, const CDateEx& today) const
{
    const int sign = up ? 1 : -1;
    value.Parse(text);
    switch (value.GetMode()) {
    case CTypedEditValue::modeInteger:
        return value.SetInteger(value.GetInteger() + sign * integerStep);
    case CTypedEditValue::modeReal:
        return value.SetReal(value.GetReal() + sign * realStep);
    case CTypedEditValue::modeDecimal:
        return value.SetDecimal(up ? value.GetDecimal() + decimalStep : value.GetDecimal() - decimalStep);
    case CTypedEditValue::modeDate: {
        const CDateEx& current = value.GetDate().IsValid() ? value.GetDate() : today;
        COleDateTime::Parts p;
        current.GetValue().GetParts(p);
        CDateEx next;
        next.SetDateTime(p.year, p.month + sign * monthStep, p.day + sign * dayStep, p.hour + sign * hourStep,
                         p.minute + sign * minuteStep, p.second + sign * secondStep);
        return value.SetDate(next);
    }
    case CTypedEditValue::modeTime: {
        COleDateTime::Parts p;
        if (!value.GetDate().GetValue().GetParts(p)) {
            today.GetValue().GetParts(p);
            p.hour = p.minute = p.second = 0;
        }
        const int64_t seconds = static_cast<int64_t>(p.hour + sign * hourStep) * 3600 +
                                (p.minute + sign * minuteStep) * 60 + (p.second + sign * secondStep);
        COleDateTime moment;
        moment.SetDayNumber(COleDateTime::DayNumber(p.year, p.month, p.day), seconds);
        return value.SetTime(CDateEx(moment));
    }
    case CTypedEditValue::modeYearMonth: {
        const int current = value.GetYearMonth();
        if (current == 0) {
            COleDateTime::Parts p;
            today.GetValue().GetParts(p);
            return value.SetYearMonth(p.year * 100 + p.month);
        }
        return value.SetYearMonth(current + sign);
    }
    default:
        return text;
    }
}
