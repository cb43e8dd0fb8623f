#!/usr/bin/env bash
# A second copy on the same display ends at once with code 0; the first runs on, its frame in
# place and of the same size.
source "$(dirname "$0")/e2e_lib.sh"

start_game
wait_for_window
wait_for_title
before=$(window_geometry "$window")

status=0
timeout 30 "$work/morvex" >"$work/second.log" 2>&1 || status=$?
[ $status -eq 0 ] || fail "the second copy ended with code $status"
[ ! -s "$work/second.log" ] || fail "the second copy said: $(cat "$work/second.log")"
kill -0 "$game_pid" 2>/dev/null || fail "the first copy has ended"
windows=$(xdotool search --onlyvisible --name '^Mor-Vex$' | wc -l)
[ "$windows" -eq 1 ] || fail "$windows game windows on screen"
after=$(window_geometry "$window")
[ "$before" = "$after" ] || fail "the first frame moved or changed size: $before became $after"
echo "second copy refused; first frame unchanged at $after"
