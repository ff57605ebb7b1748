#pragma once

// Speeds up a held arrow key: the step grows with the cube of the repeat count divided by the
// sheet's divisor, and is capped so that long repeats never overflow.
class CKeyRepeat
{
  public:
    static constexpr int kMaxStep = 100000;

    // Counts one key-down and returns the step; *sleepMs is the pause the caller makes first.
    int NextStep(int divisor, int delayMs, int* sleepMs);
    void Reset() { m_count = 0; }
    int Count() const { return m_count; }

  private:
    int m_count = 0;
};
