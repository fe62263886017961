#!/usr/bin/env bash
# fuzz.sh [seconds]: builds the fuzz targets with clang into build-fuzz/ and runs each for a
# bounded time from its seed corpus; fails when any target finds a crash, leak or hang.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${KVX_FUZZ_BUILD_DIR:-$root/build-fuzz}"
seconds="${1:-60}"
if ! command -v clang-14 >/dev/null || ! command -v clang++-14 >/dev/null; then
  echo "fuzz: clang-14 is not installed, skipped"; exit 0
fi

CC=clang-14 CXX=clang++-14 cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKVX_FUZZ=ON >/dev/null
targets=(fuzz_pak fuzz_png fuzz_font fuzz_wav fuzz_script)
[ -f "$root/fuzz/fuzz_kvx.cpp" ] && targets+=(fuzz_kvx)
cmake --build "$build" --target "${targets[@]}" -j2

failed=0
for target in "${targets[@]}"; do
  # New inputs go to the build folder's corpus; the committed seeds are only read.
  corpus=("$build/corpus/$target")
  mkdir -p "${corpus[0]}"
  [ -d "$root/fuzz/corpus/${target#fuzz_}" ] && corpus+=("$root/fuzz/corpus/${target#fuzz_}")
  log="$build/$target.log"
  status=0
  (cd "$build" && "$build/fuzz/$target" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 \
    -close_fd_mask=1 -print_final_stats=1 "${corpus[@]}" </dev/null >"$log" 2>&1) || status=$?
  units=$(grep -o 'number_of_executed_units: [0-9]*' "$log" | grep -o '[0-9]*$' || echo "?")
  echo "fuzz: $target tried $units inputs in ${seconds}s (status $status)"
  if [ "$status" -ne 0 ]; then
    failed=1
    tail -n 40 "$log"
  fi
done
exit "$failed"
