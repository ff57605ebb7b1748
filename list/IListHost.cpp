#include "list/IListHost.h"

#include "platform/MessageBox.h"

int IListHost::ShowInfoMessage(int id, unsigned flags, ...)
{
    va_list args;
    va_start(args, flags);
    int result = ShowMessageV(MessageKind::Info, id, flags, args);
    va_end(args);
    return result;
}

int IListHost::AskMessage(int id, unsigned buttons, ...)
{
    va_list args;
    va_start(args, buttons);
    int result = ShowMessageV(MessageKind::Question, id, buttons, args);
    va_end(args);
    return result;
}

int IListHost::ShowWarningMessage(int id, unsigned flags, ...)
{
    va_list args;
    va_start(args, flags);
    int result = ShowMessageV(MessageKind::Warning, id, flags, args);
    va_end(args);
    return result;
}

int IListHost::ShowErrorMessage(int id, unsigned flags, ...)
{
    va_list args;
    va_start(args, flags);
    int result = ShowMessageV(MessageKind::Error, id, flags, args);
    va_end(args);
    return result;
}

int IListHost::RunCheckListDialog(InputCheckSwitches&)
{
    return IDCANCEL;
}
