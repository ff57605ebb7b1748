#pragma once

#include <sys/types.h>

// A child process of a test that writes nowhere and ends with the test, however the test ends.
class QuietChild
{
  public:
    // fork(): 0 in the child, which then goes on to exec; the child's pid in the test.
    static pid_t Fork();
    // Asks the child to end and waits for it; its exit status, or -1.
    static int End(pid_t child);
};
