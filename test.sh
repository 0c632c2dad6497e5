#!/usr/bin/env bash
# Installs what is missing, builds everything with warnings as errors and runs every test.
set -euo pipefail
cd "$(dirname "$0")"

bash scripts/deps.sh ui test
# Unoptimised and without debug information: the tests run in moments, and the build, which is
# most of CI's time, takes half as long as an optimised one.
cmake -S . -B build -G Ninja -DKVOR_WERROR=ON -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG=-O0
cmake --build build
ctest --test-dir build --output-on-failure -j "$(nproc)"
