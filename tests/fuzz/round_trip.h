#pragma once

#include <cstdio>
#include <cstdlib>

// A broken round trip is a finding: say which property failed, then stop, so that
// libFuzzer keeps the input.
#define ROUND_TRIP_CHECK(condition)                                                                \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "round trip broken: %s (%s:%d)\n", #condition, __FILE__,          \
                         __LINE__);                                                                \
            std::abort();                                                                          \
        }                                                                                          \
    } while (false)
