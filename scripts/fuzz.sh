#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for SECONDS seconds
# (default 30). Usage: scripts/fuzz.sh [SECONDS]
# The memory limits catch amplification: an input of at most a few kilobytes
# that makes a reader take a gigabyte (or ask for 128 MB at once; sanitizers
# keep some room of their own).
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-30}"
build=build-fuzz
CC=clang CXX=clang++ cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DVELDOR_FUZZ=ON -DVELDOR_TESTS=OFF -DVELDOR_BENCH=OFF >/dev/null
targets=$(cd fuzz && ls fuzz_*.cpp | sed 's/\.cpp$//')
limits="-rss_limit_mb=1024 -malloc_limit_mb=128"
cmake --build "$build" --target $targets
for t in $targets; do
  corpus="$build/corpus/$t"
  mkdir -p "$corpus"
  seeds="fuzz/seeds/$t"
  echo "fuzz: $t for ${seconds}s"
  if [ -d "$seeds" ]; then
    "$build/bin/$t" -max_total_time="$seconds" -timeout=10 $limits "$corpus" "$seeds" 2>"$build/$t.log" \
      || { tail -n 60 "$build/$t.log"; echo "fuzz: $t FAILED"; exit 1; }
  else
    "$build/bin/$t" -max_total_time="$seconds" -timeout=10 $limits "$corpus" 2>"$build/$t.log" \
      || { tail -n 60 "$build/$t.log"; echo "fuzz: $t FAILED"; exit 1; }
  fi
  grep -E '^(#[0-9]+ *DONE|Done)' "$build/$t.log" | tail -n 1 || true
done
echo "fuzz: all targets ran ${seconds}s without a report"
