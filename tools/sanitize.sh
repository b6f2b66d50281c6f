#!/usr/bin/env bash
# The memory and undefined-behaviour check: builds the core, its tests, the scenario runner and
# the libFuzzer targets of tools/fuzz with clang under AddressSanitizer and
# UndefinedBehaviorSanitizer into build-asan/ (the Qt skin and its GUI tests stay out), runs the
# core tests and the golden scenarios there, then gives each fuzz target a short run from its
# seeds. CI runs it after ./test.sh (which holds warnings as errors under g++; clang here only
# reports its own). FUZZ_SECONDS sets the run per target (default 5).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$root/build-asan"
"$root/tools/install-deps.sh" --sanitizers
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
      -DCMAKE_CXX_COMPILER=clang++ -DPELORIX_WITH_SKIN=OFF -DPELORIX_WERROR=OFF \
      -DPELORIX_SANITIZE=ON -DPELORIX_FUZZ=ON >/dev/null
cmake --build "$build" -j "$(nproc)"

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
(cd "$build" && ctest --output-on-failure -j "$(nproc)")

seconds="${FUZZ_SECONDS:-5}"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
for source in "$root"/tools/fuzz/*.cpp; do
  name="$(basename "$source" .cpp)"
  mkdir -p "$work/$name"
  echo "fuzzing $name for ${seconds}s"
  "$build/$name" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=0 \
    "$work/$name" "$root/tools/fuzz/seeds/$name" 2>"$work/$name.log" ||
    { tail -n 60 "$work/$name.log"; exit 1; }
  grep -E '^Done|#[0-9]+.*DONE' "$work/$name.log" | tail -n 1 || true
done
