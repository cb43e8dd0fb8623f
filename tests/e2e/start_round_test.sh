#!/usr/bin/env bash
# Start from the file menu begins round 1 (the big cyan title goes, "ROUND 1" shows in white); a right press away from the own robot moves it there.
source "$(dirname "$0")/e2e_lib.sh"

start_game
wait_for_window
wait_for_title
point_at_game
# ﾌｧｲﾙ(&F), then スタート(&S), by their mnemonics.
xdotool key --delay 300 alt+f s

round_one_shown() {
  local picture cyan white
  picture=$(screenshot round)
  read -r cyan _ _ < <("$PICTURE_PROBE" find "$picture" 0 60 640 420 cyan)
  read -r white _ _ < <("$PICTURE_PROBE" find "$picture" 160 180 320 140 white)
  [ "$cyan" -lt 150 ] && [ "$white" -gt 80 ]
}
wait_until 30 round_one_shown || fail "round 1 did not begin (title text still there or no ROUND 1)"
echo "round 1 begun"

# The Ready phase lasts 3 s; then the robot takes orders.
robot_place() {
  local picture
  picture=$(screenshot robot)
  "$PICTURE_PROBE" find "$picture" 0 60 640 420 robot-blue
}
robot_still_in_view() {
  read -r count robot_x robot_y < <(robot_place)
  [ "$count" -gt 30 ]
}
sleep 4
wait_until 20 robot_still_in_view || fail "the own robot is not to be seen"
start_x=$robot_x start_y=$robot_y
# Aim well away from the robot, across the arena from it.
target_x=$((start_x < 320 ? start_x + 200 : start_x - 200))
target_y=$((start_y < 270 ? start_y + 120 : start_y - 120))
xdotool mousemove --sync "$target_x" "$target_y" mousedown 3

distance_to_target() { echo $(((robot_x - target_x) ** 2 + (robot_y - target_y) ** 2)); }
start_distance=$(distance_to_target)
robot_moved_closer() {
  robot_still_in_view || return 1
  [ "$(distance_to_target)" -lt $((start_distance * 6 / 10)) ]
}
moved=0
wait_until 20 robot_moved_closer && moved=1
xdotool mouseup 3
[ $moved -eq 1 ] || fail "the robot did not move towards ($target_x, $target_y) from ($start_x, $start_y); now at ($robot_x, $robot_y)"
echo "robot moved from ($start_x, $start_y) towards ($target_x, $target_y), now at ($robot_x, $robot_y)"
