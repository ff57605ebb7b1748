#include "platform/ui/testing/ShownBoxTexts.h"

ShownBoxTexts::ShownBoxTexts()
{
    m_previous = SetMessageBoxHandler([this](const CString& text, const CString& caption, unsigned style) {
        texts.push_back(text);
        return m_previous(text, caption, style);
    });
}

ShownBoxTexts::~ShownBoxTexts()
{
    SetMessageBoxHandler(m_previous);
}
