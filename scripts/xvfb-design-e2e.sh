#!/usr/bin/env bash
# End to end in a real window: place a window and a button in it, save through the file
# requester by typing a name, check the saved file line by line; rename both through the Modify
# page, save, New, Open, save as another file and compare; then close the window with unsaved
# changes: Escape keeps the studio, Enter saves before it ends.
# Runs on the X display in $DISPLAY; screenshots go to $2 (default shots/).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
source "$root/scripts/xvfb-studio.sh" "$@"

# Press at the first point, hold while moving to the second, take a shot if asked, release.
drag() {
  xdotool mousemove "$1" "$2"; sleep 0.1
  xdotool mousedown 1; sleep 0.1
  xdotool mousemove $(( ($1 + $3) / 2 )) $(( ($2 + $4) / 2 )); sleep 0.1
  xdotool mousemove "$3" "$4"; sleep 0.2
  [ -n "${5:-}" ] && import -window root "$shots/$5"
  xdotool mouseup 1; sleep 0.2
}

start_studio

# The tool window sits at the right edge: tabs at y 40, page buttons from y 88 in steps of 25.
tab_file=867; tab_create=926; tab_modify=986; tabs_y=40; page_x=926
click $tab_create $tabs_y
click $page_x 88                    # "Window"
drag 100 100 400 300
click $tab_create $tabs_y
click $page_x 188                   # "Button"
drag 130 150 230 180 create-band-grid.png
click $tab_modify $tabs_y
click 180 162                       # select the button
import -window root "$shots/modify-selected.png"
click $tab_file $tabs_y
click $page_x 138                   # "Save": the file requester opens in the working directory
sleep 0.3
click 446 509                       # its name box
xdotool type --delay 40 "e2e_design"
sleep 0.2
import -window root "$shots/requester-saving.png"
click 371 536                       # its "Save" button
sleep 0.3

saved="$work/e2e_design.kvx"
[ -f "$saved" ] || { echo "FAIL: nothing was saved as e2e_design.kvx"; ls -la "$work"; exit 1; }
expected="$work/expected.kvx"
window_with_button_design >"$expected"
if ! cmp -s "$expected" "$saved"; then
  echo "FAIL: the saved design differs from what was placed"
  diff <(tr -d '\r' <"$expected") <(tr -d '\r' <"$saved") || true
  exit 1
fi

# Rename the button and its window in the editor's handle field; Ctrl+S saves the current file.
handle_x=918; handle_y=87
rename() {
  click "$1" "$2"                   # select the gadget
  click $handle_x $handle_y
  xdotool key End; for _ in $(seq 12); do xdotool key BackSpace; done
  xdotool type "$3"; xdotool key Return; sleep 0.3
}
click $tab_modify $tabs_y
rename 180 162 OkButton
rename 200 110 Main
import -window root "$shots/modify-renamed.png"
xdotool key ctrl+s; sleep 0.5
printf '%s\r\n' \
  ';-------------------------------------------------' \
  ';KVX Studio File - Dremond (C) - version 0.6a' \
  ';-------------------------------------------------' \
  ';=======================' '[WINDOW]' 'Global=True' 'Handle=Main' 'Px=100' 'Py=100' 'Tx=300' 'Ty=200' \
  'Caption=Window1' 'LockButton=True' 'MinimizeButton=True' 'CloseButton=True' \
  ';=======================' '[BUTTON]' 'Global=True' 'Handle=OkButton' 'Parent=Main' 'Px=30' 'Py=30' \
  'Tx=100' 'Caption=Button1' >"$expected"
if ! cmp -s "$expected" "$saved"; then
  echo "FAIL: the renamed design was not saved as renamed"
  diff <(tr -d '\r' <"$expected") <(tr -d '\r' <"$saved") || true
  exit 1
fi

# New (nothing unsaved: no question), Open by typing the name, Save as another name: same bytes.
click $tab_file $tabs_y
click $page_x 88                    # "New"
click $page_x 113                   # "Open"
sleep 0.3
xdotool type "e2e_design.kvx"; xdotool key Return; sleep 0.5
click $page_x 163                   # "Save as..."
sleep 0.3
xdotool type "e2e_again"; xdotool key Return; sleep 0.5
again="$work/e2e_again.kvx"
cmp -s "$saved" "$again" || { echo "FAIL: saved after New and Open, the design differs"; exit 1; }

# A change, then the window manager's close: the question comes; Escape keeps the studio.
click $tab_create $tabs_y
click $page_x 188                   # "Button"
drag 130 220 230 250
"$build/tests/x_close_window" "$window_id"; sleep 0.6
import -window root "$shots/close-asks-to-save.png"
xdotool key Escape; sleep 0.5
kill -0 "$studio_pid" 2>/dev/null || { echo "FAIL: the studio ended although the question was cancelled"; exit 1; }
# Closed again, Enter answers Yes: the change is saved into the current file before the end.
"$build/tests/x_close_window" "$window_id"; sleep 0.6
xdotool key Return
expect_studio_exit "the window manager's close"
[ "$(grep -c '^\[BUTTON\]' "$again")" -eq 2 ] || { echo "FAIL: the change was lost at the close"; exit 1; }
echo "xvfb: placed, saved, renamed (the gadget followed its window), New, Open and Save as gave the same bytes; closed with unsaved changes, Escape kept the studio and Enter saved before it ended"
