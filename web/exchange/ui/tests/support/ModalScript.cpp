#include "ModalScript.h"

ModalScript::ModalScript(wxDialog& dialog, std::vector<std::function<bool()>> steps)
    : m_dialog(dialog), m_steps(std::move(steps))
{
    Start(100);
}

void ModalScript::Notify()
{
    // A step that pumps events must not be entered again from inside itself.
    if (m_inStep) {
        return;
    }
    if (++m_ticks > 100) {
        Stop();
        m_dialog.EndModal(wxID_CANCEL);
        return;
    }
    m_inStep = true;
    if (m_next < m_steps.size() && m_steps[m_next]()) {
        ++m_next;
    }
    m_inStep = false;
    if (Finished()) {
        Stop();
    }
}
