#!/usr/bin/env bash
# Prints the benchmark figures; never fails on a time. With --short (CI) the benches draw fewer
# frames and the idle studio is watched for 3 s instead of 10. Given a second build folder (an
# older build of the project), its figures are printed beside, from the same run.
#   bash scripts/bench.sh [--short] [build] [older-build]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
short=""
if [ "${1:-}" = "--short" ]; then short="--short"; shift; fi
builds=("${1:-$root/build}")
[ -n "${2:-}" ] && builds+=("$2")
idle_seconds=10
[ -n "$short" ] && idle_seconds=3

# The sources a build was made from: the benches read fonts and pictures from there.
source_of() { sed -n 's/^CMAKE_HOME_DIRECTORY:INTERNAL=//p' "$1/CMakeCache.txt"; }

# Clock ticks of user and system time a process has used.
cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }

# Per cent of one core the studio and the X server use while the studio sits still.
idle_studio() {
  local build="$1" display=":$(( 70 + RANDOM % 9 ))"
  Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
  local xvfb=$!
  for _ in $(seq 50); do DISPLAY="$display" xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
  (cd "$(source_of "$build")" && DISPLAY="$display" XDG_CONFIG_HOME="$(mktemp -d)" \
    exec "$build/studio/korvex-studio" --window) >/dev/null 2>&1 &
  local studio=$!
  sleep 3  # started and settled, the pointer still
  local hz studio0 x0 studio1 x1
  hz=$(getconf CLK_TCK)
  studio0=$(cpu_ticks "$studio"); x0=$(cpu_ticks "$xvfb")
  sleep "$idle_seconds"
  studio1=$(cpu_ticks "$studio"); x1=$(cpu_ticks "$xvfb")
  kill "$studio" "$xvfb" 2>/dev/null || true
  wait "$studio" "$xvfb" 2>/dev/null || true
  awk -v s=$((studio1 - studio0)) -v x=$((x1 - x0)) -v hz="$hz" -v t="$idle_seconds" \
    'BEGIN { printf "idle studio under Xvfb, %d s, pointer still: studio %.1f %% of a core, X server %.1f %%\n", t, 100 * s / hz / t, 100 * x / hz / t }'
}

for build in "${builds[@]}"; do
  echo "== $build"
  (cd "$(source_of "$build")" && "$build/bench/studio_bench/studio_bench" $short)
  (cd "$(source_of "$build")" && "$build/bench/design_file_bench/design_file_bench" 2000)
  if [ -z "$short" ]; then
    (cd "$(source_of "$build")" && "$build/bench/compositor_bench/compositor_bench")
  fi
  if command -v Xvfb >/dev/null; then idle_studio "$build"; fi
done
