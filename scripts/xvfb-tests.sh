#!/usr/bin/env bash
# Real-window checks: the studio under Xvfb shows a frame that is not blank and ends with
# status 0 when its window is closed by the window manager; then a design made end to end, and
# quick clicks and full-speed typing, editing, and the preview.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$(cd "${1:-$root/build}" && pwd)"  # the checks run from the source folder
shots="$root/shots"
mkdir -p "$shots"

display=":$(( 90 + RANDOM % 9 ))"
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
studio_pid=""
cleanup() {
  [ -n "$studio_pid" ] && kill "$studio_pid" 2>/dev/null || true
  kill "$xvfb_pid" 2>/dev/null || true
}
trap cleanup EXIT
export DISPLAY="$display"
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done 2>/dev/null || sleep 1

cd "$root"
XDG_CONFIG_HOME="$(mktemp -d)" "$build/studio/korvex-studio" &
studio_pid=$!
window=$(timeout 20 xdotool search --sync --name '^Korvex' | head -n 1)
# The first frame comes once the studio has made its windows; a loaded machine takes longer.
colours=1
for _ in $(seq 20); do
  sleep 0.5
  import -window root "$shots/studio-first-screen.png"
  colours=$(identify -format '%k' "$shots/studio-first-screen.png")
  [ "$colours" -ge 2 ] && break
done
if [ "$colours" -lt 2 ]; then
  echo "FAIL: the studio's first screen is blank"; exit 1
fi
"$build/tests/x_close_window" "$window"
status=0
timeout 20 tail --pid="$studio_pid" -f /dev/null || { echo "FAIL: the studio did not end after its window was closed"; exit 1; }
wait "$studio_pid" || status=$?
studio_pid=""
if [ "$status" -ne 0 ]; then
  echo "FAIL: the studio ended with status $status"; exit 1
fi
echo "xvfb: studio window opened ($colours colours on screen) and closed with status 0"

bash "$root/scripts/xvfb-design-e2e.sh" "$build" "$shots"
bash "$root/scripts/xvfb-input-check.sh" "$build" "$shots"
bash "$root/scripts/xvfb-edit-check.sh" "$build" "$shots"
bash "$root/scripts/xvfb-preview-check.sh" "$build" "$shots"
