#!/usr/bin/env bash
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer and runs the whole test
# suite there; any leak or sanitizer report fails the run. With clang the tree is the one the
# fuzz targets are built in (scripts/fuzz.sh), so one instrumented build serves both.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"

if command -v clang-14 >/dev/null && command -v clang++-14 >/dev/null; then
  build="${KVX_FUZZ_BUILD_DIR:-$root/build-fuzz}"
  CC=clang-14 CXX=clang++-14 cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKVX_FUZZ=ON >/dev/null
else
  build="${KVX_ASAN_BUILD_DIR:-$root/build-asan}"
  cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKVX_SANITIZE=ON >/dev/null
fi
cmake --build "$build" -j2
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0:strict_string_checks=1:detect_stack_use_after_return=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
ctest --test-dir "$build" --output-on-failure -j2
