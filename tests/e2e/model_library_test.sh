#!/usr/bin/env bash
# A model library that is missing, empty or cut short stops the program before its window opens:
# one message box, and exit code 1 once it is dismissed.
source "$(dirname "$0")/e2e_lib.sh"

whole="$(dirname "$0")/../../data/morvex.m3d"
size=$(stat -c %s "$whole")

start_with_library() {
  local case=$1
  rm -rf "$work/morvex.m3d"
  case $case in
    missing) ln -s "$work/nowhere.m3d" "$work/morvex.m3d" ;;
    empty) : >"$work/morvex.m3d" ;;
    cut) head -c $((size * 2 / 3)) "$whole" >"$work/morvex.m3d" ;;
  esac
  start_game
}

frame_shown() { [ -n "$(game_window)" ]; }

for case in missing empty cut; do
  start_with_library "$case"
  message_shown() { [ -n "$(message_box)" ]; }
  wait_until 60 message_shown || fail "$case library: no message box"
  box=$(message_box)
  [ "$(xdotool search --onlyvisible --name '^Morvexゲーム$' | wc -l)" -eq 1 ] ||
    fail "$case library: more than one message box"
  ! frame_shown || fail "$case library: the game window opened"
  read -r x y width height < <(window_geometry "$box")
  xdotool mousemove --sync $((x + width / 2)) $((y + height / 3)) key Return
  wait_for_exit "$case library: still running after the message"
  [ $exit_status -eq 1 ] || fail "$case library: exit code $exit_status, not 1"
  echo "$case library: one message, exit code 1"
done
