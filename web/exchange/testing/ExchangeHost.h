#pragma once

#include "list/tests/support/FakeListHost.h"

#include <functional>

// The scripted application of the list tests, keeping every box's text as the user reads it and
// letting a test act when a box comes up (a disk changed while the box is shown).
class ExchangeHost : public FakeListHost
{
  public:
    int ShowMessageV(MessageKind kind, int id, unsigned flags, va_list args) override;

    // The text of the first box of that number; empty when there was none.
    CString TextOf(int id) const;
    int CountOf(int id) const;

    std::vector<std::pair<int, CString>> texts;
    std::function<void(int id)> onMessage;
};
