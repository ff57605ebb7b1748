#include "platform/SystemText.h"

#include "platform/Cp932.h"

#include <clocale>
#include <cstring>
#include <iconv.h>
#include <langinfo.h>
#include <string>

void TakeUserLocale()
{
    std::setlocale(LC_ALL, "");
    std::setlocale(LC_NUMERIC, "C");
}

CString SystemErrorText(int error)
{
    const std::string text = std::strerror(error);
    const char* charset = nl_langinfo(CODESET);
    if (std::strcmp(charset, "UTF-8") == 0) {
        return CString(Cp932::FromUtf8(text));
    }
    // Other character sets pass through UTF-8; a text that does not convert stays as it was.
    iconv_t toUtf8 = iconv_open("UTF-8", charset);
    if (toUtf8 == reinterpret_cast<iconv_t>(-1)) {
        return CString(Cp932::FromUtf8(text));
    }
    std::string utf8(text.size() * 4 + 4, '\0');
    char* in = const_cast<char*>(text.data());
    size_t inLeft = text.size();
    char* out = utf8.data();
    size_t outLeft = utf8.size();
    const bool converted = iconv(toUtf8, &in, &inLeft, &out, &outLeft) != static_cast<size_t>(-1);
    iconv_close(toUtf8);
    utf8.resize(utf8.size() - outLeft);
    return CString(Cp932::FromUtf8(converted ? utf8 : text));
}
