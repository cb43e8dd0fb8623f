#!/usr/bin/env bash
# The game opens its 640 x 480 frame at the top-left corner and shows the title screen, without
# loading OpenGL.
source "$(dirname "$0")/e2e_lib.sh"

start_game
wait_for_window
read -r x y width height < <(window_geometry "$window")
[ "$width" -eq 640 ] && [ "$height" -eq 480 ] || fail "frame is ${width}x${height}, not 640x480"
[ "$x" -eq 0 ] && [ "$y" -eq 0 ] || fail "frame is at ($x, $y), not (0, 0)"
wait_for_title
# The game draws everything itself: the toolkit's OpenGL stack stays unloaded.
! grep -q 'libGL' "/proc/$game_pid/maps" || fail "the OpenGL libraries were loaded"
echo "title screen shown"
