#include "grid/KeyRepeat.h"

#include <climits>

int CKeyRepeat::NextStep(int divisor, int delayMs, int* sleepMs)
{
    if (sleepMs != nullptr) {
        *sleepMs = 0;
    }
    if (m_count < INT_MAX) {
        ++m_count;
    }
    if (divisor < 1) {
        return 1;
    }
    const long long q = m_count / divisor;
    if (q == 0 && m_count > 1 && delayMs > 0 && sleepMs != nullptr) {
        *sleepMs = delayMs;
    }
    // 47 cubed already passes the cap; a larger q would only risk overflow.
    if (q >= 47) {
        return kMaxStep;
    }
    const long long step = q * q * q + 1;
    return step < kMaxStep ? static_cast<int>(step) : kMaxStep;
}
