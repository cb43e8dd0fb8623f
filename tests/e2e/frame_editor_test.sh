#!/usr/bin/env bash
# The frame editor from the file menu shows the own robot in its preview; another gun chosen and
# OK confirmed, the editor goes and the title screen plays on.
source "$(dirname "$0")/e2e_lib.sh"

start_game
wait_for_window
wait_for_title
point_at_game
# ﾌｧｲﾙ(&F), then フレームエディタ(&E), by their mnemonics.
xdotool key --delay 300 alt+f e

editor_open() { [ -n "$(frame_editor)" ]; }
wait_until 30 editor_open || fail "ﾌｧｲﾙ > フレームエディタ opened no editor"
read -r x y _ _ < <(window_geometry "$(frame_editor)")

# The preview: 240 x 240 pixels at (20, 20) of the editor's client area.
robot_in_preview() {
  local picture count
  picture=$(screenshot editor)
  read -r count _ _ < <("$PICTURE_PROBE" find "$picture" $((x + 20)) $((y + 20)) 240 240 robot-blue)
  [ "$count" -gt 300 ]
}
wait_until 20 robot_in_preview || fail "the editor's preview does not show the robot"
echo "the editor shows the robot"

# The wheel over the gun list (dialog units 136, 56, 30 wide: about 302, 130 in pixels) picks the
# next gun; then OK (136, 10, 36 x 12 units: about 308, 34).
xdotool mousemove --sync $((x + 302)) $((y + 130)) click 5
sleep 1
xdotool mousemove --sync $((x + 308)) $((y + 34)) click 1

question_shown() { [ -n "$(message_box)" ]; }
wait_until 20 question_shown || fail "OK after a new gun asked nothing"
read -r bx by bwidth bheight < <(window_geometry "$(message_box)")
xdotool mousemove --sync $((bx + bwidth / 2)) $((by + bheight / 3)) key Return

editor_closed() { [ -z "$(frame_editor)" ] && [ -z "$(message_box)" ]; }
wait_until 20 editor_closed || fail "the editor stayed open after the question was confirmed"
point_at_game
wait_for_title
first=$(screenshot after-one)
sleep 1
second=$(screenshot after-two)
[ "$("$PICTURE_PROBE" diff "$first" "$second" 0 60 640 420)" -gt 500 ] ||
  fail "the title screen stands still after the editor"
echo "the change was confirmed and the title screen plays on"
