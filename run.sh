#!/usr/bin/env bash
# Installs what is missing, builds, and starts Kvor 2014: the window, or with --cli the
# command-line tool kvor with the remaining arguments. The build lives beside this script; file
# arguments are taken from the folder the script is called from.
set -euo pipefail
root="$(cd "$(dirname "$0")" && pwd)"

if [ "${1:-}" = "--cli" ]; then
  shift
  bash "$root/scripts/deps.sh" >&2
  cmake -S "$root" -B "$root/build-run-cli" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DKVOR_BUILD_UI=OFF -DKVOR_BUILD_TESTS=OFF -DKVOR_BUILD_BENCH=OFF >/dev/null
  cmake --build "$root/build-run-cli" --target kvor >&2
  exec "$root/build-run-cli/bin/kvor" "$@"
fi

bash "$root/scripts/deps.sh" ui
cmake -S "$root" -B "$root/build-run" -G Ninja -DCMAKE_BUILD_TYPE=Release -DKVOR_BUILD_TESTS=OFF \
  -DKVOR_BUILD_BENCH=OFF >/dev/null
cmake --build "$root/build-run" --target kvor2014
exec "$root/build-run/bin/kvor2014" "$@"
