#!/usr/bin/env bash
# Installs what is missing, then builds and runs the whole test suite:
# the debug build first, then the same suite under AddressSanitizer and
# UndefinedBehaviorSanitizer, where the soak runs a fifth of its ticks
# (the sanitizers make each tick about twenty times slower).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh test
export QT_QPA_PLATFORM=offscreen

for preset in debug asan-ubsan; do
    echo "== $preset =="
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset"
    if [ "$preset" = asan-ubsan ]; then
        VEXEL_SOAK_TICKS=200000 ctest --preset "$preset"
    else
        ctest --preset "$preset"
    fi
done
