# Sourced by the real-window checks, with their arguments (a build folder, default build/, and a
# screenshot folder, default shots/): the studio in a working directory of its own, with the
# fonts and pictures it reads from there, ended with the script. Expects $root.
# The studio saves into its working directory, so each check gets a fresh one.
build="$(cd "${1:-$root/build}" && pwd)"  # the checks run from the source folder
shots="${2:-$root/shots}"
mkdir -p "$shots"
work="$(mktemp -d)"
studio_pid=""
cleanup() {
  [ -n "$studio_pid" ] && kill "$studio_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
ln -s "$root/arial.ttf" "$root/zarvo.fon" "$root/KVX_Demos" "$work/"
# What the studio remembers stays with the check.
export XDG_CONFIG_HOME="$work/config"

# Starts the studio with the given arguments and waits for its window.
start_studio() {
  (cd "$work" && exec "$build/studio/korvex-studio" "$@") 2>"$work/studio.log" &
  studio_pid=$!
  window_id=$(timeout 20 xdotool search --sync --name '^Korvex' | head -n 1)
  sleep 1
}

# Waits for the studio to end by itself and checks its status: "$1" names what ended it.
expect_studio_exit() {
  timeout 20 tail --pid="$studio_pid" -f /dev/null || { echo "FAIL: the studio did not end after $1"; exit 1; }
  local status=0
  wait "$studio_pid" || status=$?
  studio_pid=""
  [ "$status" -eq 0 ] || { echo "FAIL: $1 ended the studio with status $status"; exit 1; }
}

# A press held over several frames, as a hand would.
click() {
  xdotool mousemove "$1" "$2"; sleep 0.1
  xdotool mousedown 1; sleep 0.1
  xdotool mouseup 1; sleep 0.2
}

# The bytes the studio saves for Window1 at (100, 100), 300 x 200, with Button1 at (30, 30).
window_with_button_design() {
  printf '%s\r\n' \
    ';-------------------------------------------------' \
    ';KVX Studio File - Dremond (C) - version 0.6a' \
    ';-------------------------------------------------' \
    ';=======================' '[WINDOW]' 'Global=True' 'Handle=Window1' 'Px=100' 'Py=100' 'Tx=300' 'Ty=200' \
    'Caption=Window1' 'LockButton=True' 'MinimizeButton=True' 'CloseButton=True' \
    ';=======================' '[BUTTON]' 'Global=True' 'Handle=Button1' 'Parent=Window1' 'Px=30' 'Py=30' \
    'Tx=100' 'Caption=Button1'
}
