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
distance_to_target() { echo $(((robot_x - target_x) ** 2 + (robot_y - target_y) ** 2)); }
robot_moved_closer() {
  robot_still_in_view || return 1
  [ "$(distance_to_target)" -lt $((start_distance * 6 / 10)) ]
}
# Holds the right button at the target until the robot has come well closer, or time is up.
move_towards() {
  target_x=$1 target_y=$2 start_x=$robot_x start_y=$robot_y
  start_distance=$(distance_to_target)
  xdotool mousemove --sync "$target_x" "$target_y" mousedown 3
  local moved=0
  wait_until 12 robot_moved_closer && moved=1
  xdotool mouseup 3
  [ $moved -eq 1 ]
}

# Aim well away from the robot, across the arena from it. A rock can stand in the way (the
# opponent's hits may have pushed the robot against one): then straight up or down the screen.
offset_x=$((robot_x < 320 ? 200 : -200))
offset_y=$((robot_y < 270 ? 120 : -120))
if ! move_towards $((robot_x + offset_x)) $((robot_y + offset_y)); then
  echo "blocked towards ($target_x, $target_y) from ($start_x, $start_y); trying the other way"
  move_towards "$robot_x" $((robot_y + 2 * offset_y)) ||
    fail "the robot moved neither way: towards ($target_x, $target_y) from ($start_x, $start_y), now at ($robot_x, $robot_y)"
fi
echo "robot moved from ($start_x, $start_y) towards ($target_x, $target_y), now at ($robot_x, $robot_y)"
