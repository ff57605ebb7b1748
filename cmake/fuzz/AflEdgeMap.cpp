// Edge coverage for AFL++ from GCC's own instrumentation: -fsanitize-coverage=trace-pc calls this
// at every basic block, and the pair of the previous and the current block marks AFL++'s shared
// map as its compiler plugin would. The plugin itself only loads into the exact GCC build it was
// made for, so the fuzz build relies on what every GCC has.
#include <cstdint>

extern "C" {
extern uint8_t* __afl_area_ptr;
}

namespace {
thread_local uintptr_t previous = 0;
}

// Runs at every block, so it is neither traced nor checked itself.
extern "C" __attribute__((no_sanitize_coverage, no_sanitize("address", "undefined"))) void
__sanitizer_cov_trace_pc()
{
    uintptr_t here = reinterpret_cast<uintptr_t>(__builtin_return_address(0));
    here = (here >> 4) ^ (here << 8);
    // The map is 64 KiB until the fuzzer says otherwise.
    __afl_area_ptr[(here ^ previous) & 0xFFFF]++;
    previous = here >> 1;
}
