#!/usr/bin/env bash
# Runs each libFuzzer target (fuzz/fuzz_*.cpp, built by scripts/sanitize.sh with AddressSanitizer
# and UndefinedBehaviorSanitizer) for a fixed number of inputs over its committed seed corpus.
set -euo pipefail
cd "$(dirname "$0")/.."
runs="${1:-20000}"

bash scripts/sanitize.sh --build-only
for target in build-san/bin/fuzz_*; do
  name=$(basename "$target")
  work=$(mktemp -d)
  if [ -d "fuzz/corpus/$name" ]; then
    cp -r "fuzz/corpus/$name/." "$work/"
    echo "== $name: $runs runs over $(ls "fuzz/corpus/$name" | wc -l) seeds"
  else
    echo "== $name: $runs runs, no seed corpus"
  fi
  "$target" -runs="$runs" -max_len=65536 -timeout=10 "$work" 2>&1 | tail -n 3
  rm -rf "$work"
done
