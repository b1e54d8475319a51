#!/usr/bin/env bash
# Installs what is missing, builds, and runs the whole test suite: once in a normal build
# with warnings as errors, once under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/install-deps.sh"
export QT_QPA_PLATFORM=offscreen
jobs=$(nproc)

"$top/scripts/build.sh" build -DXKM_WARNINGS_AS_ERRORS=ON
ctest --test-dir "$top/build" --output-on-failure -j "$jobs"

"$top/scripts/build.sh" build-asan -DXKM_WARNINGS_AS_ERRORS=ON -DXKM_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --test-dir "$top/build-asan" --output-on-failure -j "$jobs"
