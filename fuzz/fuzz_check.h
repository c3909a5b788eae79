#pragma once

#include <cstdio>
#include <cstdlib>

namespace vexel::fuzz {

// Stops the run at the first broken promise, so that libFuzzer keeps the
// input and the smoke run fails.
inline void require(bool condition, const char* what)
{
    if (!condition) {
        std::fprintf(stderr, "fuzz check failed: %s\n", what);
        std::abort();
    }
}

} // namespace vexel::fuzz
