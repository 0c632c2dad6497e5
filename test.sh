#!/usr/bin/env bash
# Installs what is missing, builds everything with warnings as errors and runs every test.
set -euo pipefail
cd "$(dirname "$0")"

bash scripts/deps.sh ui test
cmake -S . -B build -G Ninja -DKVOR_WERROR=ON
cmake --build build
ctest --test-dir build --output-on-failure -j "$(nproc)"
