#include "list/HeaderFooterText.h"

#include "platform/Cp932.h"

CString CHeaderFooterText::Expand(const CString& text, const CString& title, const CDateEx& now, int page,
                                  int pageCount)
{
    COleDateTime::Parts parts;
    now.GetValue().GetParts(parts);
    CString result;
    int length = text.GetLength();
    for (int i = 0; i < length; ++i) {
        char ch = text[i];
        if (ch != '&') {
            result += ch;
            continue;
        }
        char token = '\0';
        if (i + 1 < length) {
            token = text[i + 1];
            // A double-byte character after "&" is no token; it goes as a whole.
            i += static_cast<int>(Cp932::CharLength(text.view(), i + 1));
        }
        switch (token) {
        case '&':
            result += '&';
            break;
        case 'D':
            result.AppendFormat("%d", parts.day);
            break;
        case 'M':
            result.AppendFormat("%d", parts.month);
            break;
        case 'Y':
            result.AppendFormat("%d", parts.year);
            break;
        case 'y':
            result.AppendFormat("%02d", parts.year % 100);
            break;
        case 'G':
            result += now.GetEra();
            break;
        case 'g':
            result.AppendFormat("%d", now.GetEraYear());
            break;
        case 'W':
            result += now.GetWeekdayName(true);
            break;
        case 'h':
            result.AppendFormat("%d", parts.hour);
            break;
        case 'm':
            result.AppendFormat("%02d", parts.minute);
            break;
        case 's':
            result.AppendFormat("%02d", parts.second);
            break;
        case 't':
            result += title;
            break;
        case 'p':
            result.AppendFormat("%d", page);
            break;
        case 'P':
            result.AppendFormat("%d", pageCount);
            break;
        default:
            result += "???";
            break;
        }
    }
    return result;
}
