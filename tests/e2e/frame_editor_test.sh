#!/usr/bin/env bash
# The frame editor from the file menu shows the own robot in its preview; another gun chosen and
# OK confirmed, the editor goes and the title screen plays on. The robot saved through the file
# dialog comes back whole in the next run of the program.
source "$(dirname "$0")/e2e_lib.sh"

# ﾌｧｲﾙ(&F) > フレーム読込(&R) or フレーム書込(&W): the file dialog titled $2 takes what it offers,
# or the name $3 typed into the save dialog, in the folder it offers. Typed names start unlike any
# other file there: the dialog completes a name while it is typed. Without a window manager keys
# go to the window under the pointer.
through_file_dialog() {
  local command=$1 title=$2 path=${3:-} dialog
  point_at_game
  xdotool key --delay 300 alt+f "$command"
  dialog_open() { [ -n "$(xdotool search --onlyvisible --name "^$title\$" 2>/dev/null)" ]; }
  wait_until 20 dialog_open || fail "no dialog \"$title\""
  dialog=$(xdotool search --onlyvisible --name "^$title\$" | head -n 1)
  read -r dx dy dwidth dheight < <(window_geometry "$dialog")
  xdotool mousemove --sync $((dx + dwidth / 2)) $((dy + dheight / 2))
  if [ -n "$path" ]; then xdotool key ctrl+a type --delay 40 "$path"; fi
  xdotool key Return
  dialog_closed() { ! dialog_open; }
  wait_until 20 dialog_closed || fail "the dialog \"$title\" stayed open"
}
saved() { [ -s "$1" ] || fail "nothing was saved to $1"; }

cd "$work"
start_game
wait_for_window
wait_for_title
through_file_dialog w 名前を付けて保存 unedited.frm
saved "$work/unedited.frm"
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

# Saved as MyFream.frm in the current folder, the file the next run's open dialog offers.
through_file_dialog w 名前を付けて保存 MyFream.frm
saved "$work/MyFream.frm"
point_at_game
xdotool key --delay 300 alt+f x
wait_for_exit "ﾌｧｲﾙ > 終了 left the program running"
echo "the edited robot was saved and the program ended"

# The open dialog offers the same file; saved again after loading, it must come back byte for
# byte, and differ from a robot saved before the gun was changed (a load that did nothing).
start_game
wait_for_window
wait_for_title
through_file_dialog r ファイルを開く
[ -z "$(message_box)" ] || fail "loading the saved robot gave a message"
through_file_dialog w 名前を付けて保存 reloaded.frm
saved "$work/reloaded.frm"
cmp "$work/MyFream.frm" "$work/reloaded.frm" || fail "the loaded robot is not the one saved"
! cmp -s "$work/unedited.frm" "$work/MyFream.frm" || fail "the new gun did not reach the file"
echo "the saved robot came back whole in the next run"
