#include "foundation/ProgressPace.h"
#include "platform/SteadyClock.h"

#include <gtest/gtest.h>

TEST(ProgressPace, TheFirstReportIsDueAtOnceAndEachNextOneATenthOfASecondLater)
{
    CProgressPace pace;
    const long long start = SteadyMilliseconds();
    EXPECT_TRUE(pace.IsDue());
    const bool again = pace.IsDue();
    if (SteadyMilliseconds() - start < CProgressPace::kIntervalMs) {
        EXPECT_FALSE(again);
    }
    while (!pace.IsDue()) {
        ASSERT_LT(SteadyMilliseconds() - start, 10000) << "never due again";
    }
    EXPECT_GE(SteadyMilliseconds() - start, CProgressPace::kIntervalMs);
}
