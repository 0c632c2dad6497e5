#!/usr/bin/env bash
# Installs what is missing, builds, and starts Kvor 2014: the window, or with --cli the
# command-line tool kvor with the remaining arguments.
set -euo pipefail
cd "$(dirname "$0")"

if [ "${1:-}" = "--cli" ]; then
  shift
  bash scripts/deps.sh >&2
  cmake -S . -B build-run-cli -G Ninja -DCMAKE_BUILD_TYPE=Release -DKVOR_BUILD_UI=OFF \
    -DKVOR_BUILD_TESTS=OFF -DKVOR_BUILD_BENCH=OFF >/dev/null
  cmake --build build-run-cli --target kvor >&2
  exec build-run-cli/bin/kvor "$@"
fi

bash scripts/deps.sh ui
cmake -S . -B build-run -G Ninja -DCMAKE_BUILD_TYPE=Release -DKVOR_BUILD_TESTS=OFF \
  -DKVOR_BUILD_BENCH=OFF >/dev/null
cmake --build build-run --target kvor2014
exec build-run/bin/kvor2014 "$@"
