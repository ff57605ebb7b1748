#include "app/startup/MessageService.h"

#include "platform/MessageBox.h"

namespace {

unsigned IconOf(MessageKind kind)
{
    switch (kind) {
    case MessageKind::Question:
        return MB_ICONQUESTION;
    case MessageKind::Warning:
        return MB_ICONEXCLAMATION;
    case MessageKind::Error:
        return MB_ICONHAND;
    case MessageKind::Information:
        break;
    }
    return MB_ICONINFORMATION;
}

} // namespace

int CMessageService::ShowInfoMessage(int number, ...)
{
    va_list args;
    va_start(args, number);
    int result = ShowMessageV(MessageKind::Information, number, MB_OK, args);
    va_end(args);
    return result;
}

int CMessageService::AskMessage(int number, unsigned buttons, ...)
{
    va_list args;
    va_start(args, buttons);
    int result = ShowMessageV(MessageKind::Question, number, buttons, args);
    va_end(args);
    return result;
}

int CMessageService::ShowWarningMessage(int number, unsigned buttons, ...)
{
    va_list args;
    va_start(args, buttons);
    int result = ShowMessageV(MessageKind::Warning, number, buttons, args);
    va_end(args);
    return result;
}

int CMessageService::ShowErrorMessage(int number, unsigned buttons, ...)
{
    va_list args;
    va_start(args, buttons);
    int result = ShowMessageV(MessageKind::Error, number, buttons, args);
    va_end(args);
    return result;
}

int CMessageService::ShowMessageV(MessageKind kind, int number, unsigned buttons, va_list args)
{
    CString text;
    NumberedMessage message;
    if (FindMessage(number, message) && message.kind == kind) {
        text.FormatV(message.text, args);
    }
    // The icon always follows the table, whatever icon the caller's flags carry.
    unsigned style = (buttons & ~MB_ICONMASK) | IconOf(kind) | MB_TASKMODAL | MB_TOPMOST;
    return ShowMessageBox(text, FormatCaption(number), style);
}

CString CMessageService::FormatCaption(int number) const
{
    CString caption;
    caption.Format("%s v%s : MSG=%d", kProductName, m_version.GetVersionString().GetString(), number);
    return caption;
}
