#pragma once

// Paces the progress a long loop shows on the GUI thread: the first report is due at once and
// each later one when a tenth of a second has passed since the last, so that a fast loop
// spends its time on its work rather than on drawing texts no eye could follow, and a slow one
// still shows every step it makes.
class CProgressPace
{
  public:
    static constexpr long long kIntervalMs = 100;

    // True when the loop should show its progress now; the pace then counts from here.
    bool IsDue();

  private:
    long long m_lastMs = 0;
    bool m_shown = false;
};
