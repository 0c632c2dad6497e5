#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (AddressSanitizer and UndefinedBehaviorSanitizer on)
# and runs each for a fixed number of inputs over its committed seed corpus.
set -euo pipefail
cd "$(dirname "$0")/.."
runs="${1:-20000}"

CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DKVOR_BUILD_UI=OFF -DKVOR_BUILD_TESTS=OFF \
  -DKVOR_BUILD_BENCH=OFF -DKVOR_FUZZ=ON -DKVOR_SANITIZE=ON -DKVOR_WERROR=ON \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build-fuzz
for target in build-fuzz/bin/fuzz_*; do
  name=$(basename "$target")
  work=$(mktemp -d)
  cp -r "fuzz/corpus/$name/." "$work/" 2>/dev/null || true
  echo "== $name: $runs runs"
  "$target" -runs="$runs" -max_len=65536 -timeout=10 "$work" 2>&1 | tail -n 3
  rm -rf "$work"
done
