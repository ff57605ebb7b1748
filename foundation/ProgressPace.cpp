#include "foundation/ProgressPace.h"

#include "platform/SteadyClock.h"

bool CProgressPace::IsDue()
{
    const long long now = SteadyMilliseconds();
    if (m_shown && now - m_lastMs < kIntervalMs) {
        return false;
    }
    m_shown = true;
    m_lastMs = now;
    return true;
}
