#!/usr/bin/env bash
# Takes the screenshots of docs/screenshots/ (shown in the README) under a virtual X display.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/deps.sh ui screenshots
cmake -S . -B build-run -G Ninja -DCMAKE_BUILD_TYPE=Release -DKVOR_BUILD_TESTS=OFF \
  -DKVOR_BUILD_BENCH=OFF >/dev/null
cmake --build build-run --target kvor2014_screenshots
mkdir -p docs/screenshots
xvfb-run -a -s "-screen 0 1000x760x24" build-run/bin/kvor2014_screenshots docs/screenshots
