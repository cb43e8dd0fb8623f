#!/usr/bin/env bash
# Esc ends the program, with exit code 0.
source "$(dirname "$0")/e2e_lib.sh"

start_game
wait_for_window
wait_for_title
point_at_game
xdotool key Escape
wait_for_exit "the program still runs after Esc"
[ $exit_status -eq 0 ] || fail "exit code $exit_status after Esc"
echo "Esc ended the program with exit code 0"
