#!/usr/bin/env bash
# fuzz.sh [seconds]: builds the fuzz targets with clang into build-fuzz/ (or $KVX_FUZZ_BUILD_DIR),
# replays each target's fuzz/regressions/ inputs, then fuzzes each from its seed corpus until it has
# tried 1000000 inputs or its time cap ends. Fails when any target finds a crash, leak, hang or
# sanitizer report; flags every target that ended short of 1000000 inputs, but for the one that
# only has a time budget. `seconds` replaces every target's time cap.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${KVX_FUZZ_BUILD_DIR:-$root/build-fuzz}"
wanted=1000000
if ! command -v clang-14 >/dev/null || ! command -v clang++-14 >/dev/null; then
  echo "fuzz: clang-14 is not installed, skipped"; exit 0
fi

# Two lanes run side by side, one per core, for about eight minutes each. Time caps, measured on a
# shared 2-core machine: png, wav, the script engine and the design parser (records only, no
# gadgets) reach the inputs well within theirs, and pak (about five minutes, as every input writes
# and lists files) and fonts within their own. A whole design load makes live gadgets with their
# pictures, a few hundred inputs a second at best: it comes last in its lane and fuzzes for what
# the lane has left of lane_seconds, never flagged for ending short.
lanes=("fuzz_png fuzz_wav fuzz_script fuzz_kvx_parse fuzz_kvx" "fuzz_pak fuzz_font")
declare -A cap=([fuzz_png]=60 [fuzz_wav]=60 [fuzz_script]=180 [fuzz_kvx_parse]=120 [fuzz_pak]=270 [fuzz_font]=220)
# The caps before the design load come to 420 s, leaving it at least 60 s: the whole CI stays
# well under half an hour, and pak and fonts report how far short of the million they ended.
lane_seconds=480
declare -A fills_lane=([fuzz_kvx]=1)
# Seeds of another target, where two read the same format.
declare -A seeds=([fuzz_kvx_parse]=kvx)
# Longest input, where the default (the longest seed, at least 4096 bytes) only costs time: a
# script reaches every branch of the engine well within this.
declare -A max_len=([fuzz_script]=1024)

CC=clang-14 CXX=clang++-14 cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKVX_FUZZ=ON >/dev/null
targets=(fuzz_pak fuzz_png fuzz_font fuzz_wav fuzz_script fuzz_kvx_parse)
[ -f "$root/fuzz/fuzz_kvx.cpp" ] && targets+=(fuzz_kvx)
cmake --build "$build" --target "${targets[@]}" -j2

# A finding shows in the exit status; the log is searched as well, in case a report did not end the run.
findings='ERROR: (AddressSanitizer|LeakSanitizer|UndefinedBehaviorSanitizer|libFuzzer)|runtime error:|Test unit written'

# fuzz_one <target> [seconds]: replays the target's regressions, then fuzzes it; prints one line
# and leaves "ok", "short <inputs>" or "failed" in $build/<target>.result.
fuzz_one() {
  local target="$1" name="${1#fuzz_}"
  local binary="$build/fuzz/$target" log="$build/$target.log" result="$build/$target.result"
  local artifacts="$build/artifacts/$target/"
  mkdir -p "$artifacts"
  echo failed >"$result"

  local regressions=("$root/fuzz/regressions/$name"/*) status=0
  if [ -e "${regressions[0]}" ]; then
    "$binary" -rss_limit_mb=2048 -timeout=10 -close_fd_mask=3 "${regressions[@]}" </dev/null >"$log" 2>&1 || status=$?
    if [ "$status" -ne 0 ] || grep -Eq "$findings" "$log"; then
      echo "fuzz: $target fails on a regression input (status $status)"
      tail -n 40 "$log"
      return
    fi
    echo "fuzz: $target replayed ${#regressions[@]} regression input(s)"
  fi

  # New inputs go to the build folder's corpus; the committed seeds are only read.
  local corpus=("$build/corpus/$target")
  mkdir -p "${corpus[0]}"
  local seed_dir="$root/fuzz/corpus/${seeds[$target]:-$name}"
  [ -d "$seed_dir" ] && corpus+=("$seed_dir")
  local seconds="${2:-${cap[$target]}}"
  local options=(-runs="$wanted" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -close_fd_mask=3
                 -print_final_stats=1 -artifact_prefix="$artifacts")
  [ -n "${max_len[$target]:-}" ] && options+=(-max_len="${max_len[$target]}")
  local start=$SECONDS units
  status=0
  "$binary" "${options[@]}" "${corpus[@]}" </dev/null >"$log" 2>&1 || status=$?
  units=$(grep -o 'number_of_executed_units: [0-9]*' "$log" | grep -o '[0-9]*$' || echo 0)
  echo "fuzz: $target tried $units inputs in $((SECONDS - start))s of ${seconds}s (status $status)"
  if [ "$status" -ne 0 ] || grep -Eq "$findings" "$log"; then
    tail -n 40 "$log"
  elif [ "$units" -lt "$wanted" ] && [ -z "${fills_lane[$target]:-}" ]; then
    echo "short $units" >"$result"
  else
    echo ok >"$result"
  fi
}

total_start=$SECONDS
pids=()
for lane in "${lanes[@]}"; do
  (lane_start=$SECONDS
   for target in $lane; do
     [[ " ${targets[*]} " == *" $target "* ]] || continue
     seconds="${1:-}"
     if [ -z "$seconds" ] && [ -n "${fills_lane[$target]:-}" ]; then
       seconds=$((lane_seconds - (SECONDS - lane_start)))
     fi
     fuzz_one "$target" "$seconds"
   done) &
  pids+=($!)
done
for pid in "${pids[@]}"; do wait "$pid"; done

failed=0
short=()
for target in "${targets[@]}"; do
  read -r verdict units <"$build/$target.result"
  case "$verdict" in
    ok) ;;
    short) short+=("$target:$units") ;;
    *) failed=1 ;;
  esac
done
echo "fuzz: all runs took $((SECONDS - total_start))s"
[ "${#short[@]}" -eq 0 ] || echo "fuzz: SHORT of $wanted inputs: ${short[*]}"
exit "$failed"
