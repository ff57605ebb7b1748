#pragma once

#include "platform/CString.h"
#include "platform/MessageBox.h"

#include <vector>

// Records the text of every message box shown while it lives; the boxes still show as the
// installed handler shows them, to be answered by keys.
class ShownBoxTexts
{
  public:
    ShownBoxTexts();
    ~ShownBoxTexts();
    ShownBoxTexts(const ShownBoxTexts&) = delete;
    ShownBoxTexts& operator=(const ShownBoxTexts&) = delete;

    std::vector<CString> texts;

  private:
    MessageBoxHandler m_previous;
};
