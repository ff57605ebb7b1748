#include "app/frame/StatusTexts.h"

namespace {

constexpr int kMessagePane = 0;
constexpr int kPositionPane = 1;
constexpr int kZoomPane = 2;

} // namespace

void CStatusTexts::SetProgressText(const CString& text)
{
    m_progressText = text;
    if (m_sink != nullptr) {
        m_sink->SetIdleMessage(text);
    }
    SetPane(kMessagePane, text);
    // Progress is shown while its operation keeps the window busy; the operation that clears it
    // has ended, and the window paints again.
    if (m_sink != nullptr && !text.IsEmpty()) {
        m_sink->DrawPanesNow();
    }
}

void CStatusTexts::ClearProgressText()
{
    SetProgressText(CString());
}

void CStatusTexts::ShowNotice(const CString& text)
{
    SetPane(kMessagePane, text.IsEmpty() ? m_progressText : text);
}

void CStatusTexts::ShowRowPosition(int current, int count)
{
    CString text;
    if (current >= 0) {
        text.Format("%4d / %4d", current + 1, count);
    }
    SetPane(kPositionPane, text);
    SetPane(kZoomPane, CString());
}

void CStatusTexts::ShowPointerPosition(int x, int y)
{
    CString text;
    text.Format("%d : %d", x, y);
    SetPane(kPositionPane, text);
}

void CStatusTexts::ShowZoomPercent(int zoom)
{
    CString text;
    if (zoom > 0) {
        text.Format("%d%%", zoom / 100);
    }
    SetPane(kZoomPane, text);
}

void CStatusTexts::SetPane(int pane, const CString& text)
{
    if (m_sink != nullptr) {
        m_sink->SetPaneText(pane, text);
    }
}
