#include "support/FakeEditorHost.h"

#include <algorithm>

CZantobyDoc* FakeEditorHost::FindListDocument(const CString& path)
{
    auto found = lists.find(path);
    return found != lists.end() ? found->second : nullptr;
}

bool FakeEditorHost::HasMessage(int id) const
{
    return std::find(messages.begin(), messages.end(), id) != messages.end();
}
