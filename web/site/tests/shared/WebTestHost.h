#pragma once

#include "support/FakeListHost.h"

#include <vector>

// The list tests' scripted application that also keeps the text of every numbered message, as
// the message tables fill it.
class WebTestHost : public FakeListHost
{
  public:
    int ShowMessageV(MessageKind kind, int id, unsigned flags, va_list args) override;

    // The filled text of the last message with that number; empty when none was shown.
    CString TextOf(int id) const;

    std::vector<CString> texts; // in step with messages
};
