#include "photo/batch/PhotoFileTexts.h"

#include "foundation/TypedEditValue.h"

namespace PhotoFileTexts {

CString FormatFileTime(std::time_t time, const char* pattern)
{
    std::tm local{};
    localtime_r(&time, &local);
    char text[64];
    if (std::strftime(text, sizeof(text), pattern, &local) == 0) {
        return CString();
    }
    return text;
}

CString FormatByteCount(std::int64_t bytes, bool blankZero)
{
    if (bytes == 0 && blankZero) {
        return CString();
    }
    CString digits;
    digits.Format("%lld", static_cast<long long>(bytes));
    return CTypedEditValue::InsertThousandsSeparators(digits);
}

} // namespace PhotoFileTexts
