// The fuzz targets' invariant check: a broken invariant is a crash, so libFuzzer keeps the input.
#pragma once
#include <cstdio>
#include <cstdlib>

#define FUZZ_CHECK(condition)                                                              \
    do {                                                                                   \
        if (!(condition)) {                                                                \
            std::fprintf(stderr, "%s:%d: invariant broken: %s\n", __FILE__, __LINE__,     \
                         #condition);                                                      \
            std::abort();                                                                  \
        }                                                                                  \
    } while (false)
