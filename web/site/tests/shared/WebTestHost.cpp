#include "WebTestHost.h"

#include "res/messages/MessageTables.h"

int WebTestHost::ShowMessageV(MessageKind kind, int id, unsigned flags, va_list args)
{
    NumberedMessage message;
    CString text;
    if (FindMessage(id, message)) {
        va_list copy;
        va_copy(copy, args);
        text.FormatV(message.text, copy);
        va_end(copy);
    }
    texts.push_back(text);
    return FakeListHost::ShowMessageV(kind, id, flags, args);
}

CString WebTestHost::TextOf(int id) const
{
    for (size_t i = messages.size(); i-- > 0;) {
        if (messages[i].id == id) {
            return texts[i];
        }
    }
    return CString();
}
