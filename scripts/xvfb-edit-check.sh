#!/usr/bin/env bash
# Editing in a real window: Del deletes the selected button and Ctrl+Z brings it back, so that
# saving gives the opened file's bytes again; Ctrl+C puts .kvx text on the system clipboard and
# Ctrl+V adds what another program put there; the list of keys shows on "Keys ?".
# Runs on the X display in $DISPLAY; screenshots go to $2 (default shots/).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
source "$root/scripts/xvfb-studio.sh" "$@"

save() { xdotool key ctrl+s; sleep 0.5; }

design="$work/edit_check.kvx"
{
  window_with_button_design
  printf '%s\r\n' ';=======================' '[BUTTON]' 'Global=True' 'Handle=Button2' 'Parent=Window1' 'Px=30' \
    'Py=80' 'Tx=100' 'Caption=Button2'
} >"$design"
original="$work/original.kvx"
cp "$design" "$original"

start_studio "$design"
tab_modify=986; tabs_y=40
click $tab_modify $tabs_y
click 180 162                       # Button1
xdotool mousemove 600 600; sleep 0.2
xdotool key Delete; sleep 0.3
import -window root "$shots/edit-deleted.png"
save
if grep -q 'Handle=Button1' "$design" || ! grep -q 'Handle=Button2' "$design"; then
  echo "FAIL: Del did not delete the selected button alone"; tr -d '\r' <"$design"; exit 1
fi
xdotool key ctrl+z; sleep 0.3
save
cmp -s "$original" "$design" || {
  echo "FAIL: after Ctrl+Z the saved design differs from the opened one"
  diff <(tr -d '\r' <"$original") <(tr -d '\r' <"$design") || true
  exit 1
}

# The system clipboard, both ways.
click 200 110                       # Window1's title bar
xdotool key ctrl+c; sleep 0.3
copied="$(xclip -o -selection clipboard)"
grep -q '^Handle=Window1' <<<"$copied" && grep -q '^Handle=Button2' <<<"$copied" || {
  echo "FAIL: Ctrl+C did not put the window and its gadgets on the clipboard"; echo "$copied"; exit 1
}
printf '[LABELTEXT]\nHandle=Pasted\nParent=Window1\nPx=150\nPy=40\nCaption=From another program\nAlign=True\n' |
  xclip -i -selection clipboard
xdotool mousemove 250 250; sleep 0.2
xdotool key ctrl+v; sleep 0.3
save
grep -q '^Caption=From another program' "$design" || { echo "FAIL: Ctrl+V did not add the clipboard's gadget"; exit 1; }

click 963 568                       # "Keys ?"
sleep 0.3
import -window root "$shots/edit-keys.png"
xdotool key Return; sleep 0.3
xdotool key ctrl+q; sleep 0.3
expect_studio_exit "Ctrl+Q"
echo "xvfb: Del deleted the selected button, Ctrl+Z brought it back and the save gave the opened bytes; Ctrl+C and Ctrl+V went through the system clipboard"
