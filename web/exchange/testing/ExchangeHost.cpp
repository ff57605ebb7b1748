#include "ExchangeHost.h"

#include "res/messages/MessageTables.h"

#include <algorithm>

int ExchangeHost::ShowMessageV(MessageKind kind, int id, unsigned flags, va_list args)
{
    NumberedMessage message;
    CString text;
    if (FindMessage(id, message)) {
        va_list copy;
        va_copy(copy, args);
        text.FormatV(message.text, copy);
        va_end(copy);
    }
    texts.emplace_back(id, text);
    if (onMessage) {
        onMessage(id);
    }
    return FakeListHost::ShowMessageV(kind, id, flags, args);
}

CString ExchangeHost::TextOf(int id) const
{
    auto found =
        std::find_if(texts.begin(), texts.end(), [id](const auto& entry) { return entry.first == id; });
    return found != texts.end() ? found->second : CString();
}

int ExchangeHost::CountOf(int id) const
{
    return static_cast<int>(
        std::count_if(texts.begin(), texts.end(), [id](const auto& entry) { return entry.first == id; }));
}
