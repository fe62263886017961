#!/usr/bin/env bash
# Input as people produce it, in a real window: `xdotool click` (press and release at once) on a
# tool-window button works every time, and `xdotool type` at full speed reaches a field whole.
# Runs on the X display in $DISPLAY; screenshots go to $2 (default shots/).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
source "$root/scripts/xvfb-studio.sh" "$@"

start_studio

# The file requester's title bar, where nothing else is drawn while it is closed.
requester_strip() { import -window root -crop 380x20+320+210 +repage rgb:- | md5sum; }
# Waits up to two seconds for the strip to be (or not be) what it was with the requester closed.
wait_requester() {
  local want="$1" i
  for i in $(seq 20); do
    local now; now="$(requester_strip)"
    if [ "$want" = open ] && [ "$now" != "$closed" ]; then return 0; fi
    if [ "$want" = closed ] && [ "$now" = "$closed" ]; then return 0; fi
    sleep 0.1
  done
  return 1
}

save_x=926; save_y=138; cancel_x=651; cancel_y=536; name_x=446; name_y=509; confirm_x=371
closed="$(requester_strip)"
for try in $(seq 10); do
  xdotool mousemove $save_x $save_y click 1
  wait_requester open || { echo "FAIL: quick click $try on Save did not open the requester"; exit 1; }
  xdotool mousemove $cancel_x $cancel_y click 1
  wait_requester closed || { echo "FAIL: quick click $try on Cancel did not close the requester"; exit 1; }
done

name="Quick_typing-0123456789_abcdefghijKLMNOP"  # 40 characters
[ ${#name} -eq 40 ]
xdotool mousemove $save_x $save_y click 1
wait_requester open || { echo "FAIL: the requester did not open for typing"; exit 1; }
xdotool mousemove $name_x $name_y click 1
sleep 0.2
xdotool type "$name"
sleep 0.3
import -window root "$shots/requester-typed-at-full-speed.png"
xdotool mousemove $confirm_x $cancel_y click 1
sleep 0.5
saved=$(cd "$work" && ls -- *.kvx 2>/dev/null || true)
if [ "$saved" != "$name.kvx" ]; then
  echo "FAIL: typing \"$name\" at full speed saved \"$saved\""; exit 1
fi

xdotool mousemove $save_x 338 click 1  # "Exit"
expect_studio_exit "a quick click on Exit"
echo "xvfb: 10 of 10 quick clicks on Save opened the requester, 40 characters typed at full speed arrived whole, Exit on a quick click"
