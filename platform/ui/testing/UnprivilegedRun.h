#pragma once

// Runs the rest of a test program as the system's unprivileged account (nobody) when it was
// started as root, as a user's desktop runs programs: some input methods refuse root. Called
// once, before main (a namespace-scope initialiser), it forks; the child drops root and goes on
// with a HOME, XDG_RUNTIME_DIR and test output folder of the account's own and the display's
// authority, while the parent waits for it, removes those folders and exits with its status.
// Elsewhere it does nothing.
class UnprivilegedRun
{
  public:
    // True in the process that runs the tests.
    static bool Ensure();
};
