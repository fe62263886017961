#!/usr/bin/env bash
# Preview in a real window: F5 shows the design alone, its window drags by the title, Escape
# brings the studio back with the window where it was; the Preview button does the same, and
# saving afterwards gives the opened file's bytes again.
# Runs on the X display in $DISPLAY; screenshots go to $2 (default shots/).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
source "$root/scripts/xvfb-studio.sh" "$@"

design="$work/preview_check.kvx"
window_with_button_design >"$design"
original="$work/original.kvx"
cp "$design" "$original"

# The window's title bar, 300 x 20 at the given corner of a screenshot.
title_at() { convert "$1" -crop "300x20+$2+$3" +repage "$4"; }
# Where the studio's tool window is while it is shown.
tool_area() { convert "$1" -crop "190x760+832+2" +repage "$2"; }
# The title bar is blended over the background, so a moved one matches within a little.
same_pixels() { [ "$(compare -metric AE -fuzz 10% "$1" "$2" null: 2>&1)" = "0" ]; }
away() { xdotool mousemove 700 650; sleep 0.3; }
drag_by_title() {
  xdotool mousemove 250 110; sleep 0.1
  xdotool mousedown 1; sleep 0.1
  xdotool mousemove 300 160; sleep 0.1
  xdotool mousemove 350 210; sleep 0.2
  xdotool mouseup 1; sleep 0.2
}

start_studio "$design"
tab_modify=986; tabs_y=40; preview_button_y=729
click $tab_modify $tabs_y
click 180 162                       # Button1
away
import -window root "$shots/preview-design.png"
title_at "$shots/preview-design.png" 100 100 "$work/design-title.png"

xdotool key F5; sleep 0.4
import -window root "$shots/preview-shown.png"
title_at "$shots/preview-shown.png" 100 100 "$work/preview-title.png"
tool_area "$shots/preview-design.png" "$work/design-tools.png"
tool_area "$shots/preview-shown.png" "$work/preview-tools.png"
! same_pixels "$work/design-tools.png" "$work/preview-tools.png" ||
  { echo "FAIL: F5 left the tool window shown"; exit 1; }
drag_by_title
away
import -window root "$shots/preview-dragged.png"
title_at "$shots/preview-dragged.png" 200 200 "$work/dragged-title.png"
same_pixels "$work/preview-title.png" "$work/dragged-title.png" ||
  { echo "FAIL: the preview's window did not follow a drag of its title"; exit 1; }

xdotool key Escape; sleep 0.4
away
import -window root "$shots/preview-back.png"
title_at "$shots/preview-back.png" 100 100 "$work/back-title.png"
same_pixels "$work/design-title.png" "$work/back-title.png" ||
  { echo "FAIL: after Escape the design window is not as it was"; exit 1; }

click 926 $preview_button_y         # "Preview (F5)"
away
import -window root "$shots/preview-by-button.png"
tool_area "$shots/preview-by-button.png" "$work/button-tools.png"
same_pixels "$work/preview-tools.png" "$work/button-tools.png" ||
  { echo "FAIL: the Preview button did not start the preview"; exit 1; }
drag_by_title
xdotool key Escape; sleep 0.4
xdotool key ctrl+s; sleep 0.5
cmp -s "$original" "$design" || {
  echo "FAIL: after previews the saved design differs from the opened one"
  diff <(tr -d '\r' <"$original") <(tr -d '\r' <"$design") || true
  exit 1
}
xdotool key ctrl+q; sleep 0.3
expect_studio_exit "Ctrl+Q"
echo "xvfb: F5 and the Preview button ran the design, its window dragged by the title, Escape gave the design back and saving gave the opened bytes"
