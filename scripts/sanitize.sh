#!/usr/bin/env bash
# Builds the core, the command-line tool, their tests and the libFuzzer targets with clang,
# AddressSanitizer and UndefinedBehaviorSanitizer, without the user interface (which also proves
# the core builds without Qt), and runs the tests. scripts/fuzz.sh then runs the fuzz targets
# from the same build.
set -euo pipefail
cd "$(dirname "$0")/.."

CC=clang CXX=clang++ cmake -S . -B build-san -G Ninja -DKVOR_WERROR=ON -DKVOR_BUILD_UI=OFF \
  -DKVOR_SANITIZE=ON -DKVOR_FUZZ=ON -DKVOR_BUILD_BENCH=OFF -DCMAKE_BUILD_TYPE=Debug \
  -DCMAKE_CXX_FLAGS_DEBUG="-O1 -gline-tables-only" >/dev/null
cmake --build build-san
if [ "${1:-}" != "--build-only" ]; then
  ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --test-dir build-san --output-on-failure -j "$(nproc)"
fi
