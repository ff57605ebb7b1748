#include "platform/MessageBox.h"

#include "platform/Cp932.h"

#include <cstdio>
#include <utility>

namespace {

MessageBoxHandler& Handler()
{
    static MessageBoxHandler handler;
    return handler;
}

int FirstButton(unsigned style)
{
    switch (style & MB_TYPEMASK) {
    case MB_ABORTRETRYIGNORE:
        return IDABORT;
    case MB_YESNOCANCEL:
    case MB_YESNO:
        return IDYES;
    case MB_RETRYCANCEL:
        return IDRETRY;
    default:
        return IDOK;
    }
}

} // namespace

MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler)
{
    return std::exchange(Handler(), std::move(handler));
}

int ShowMessageBox(const CString& text, const CString& caption, unsigned style)
{
    if (Handler()) {
        return Handler()(text, caption, style);
    }
    std::fprintf(stderr, "%s: %s\n", Cp932::ToUtf8(caption.view()).c_str(), Cp932::ToUtf8(text.view()).c_str());
    return FirstButton(style);
}
