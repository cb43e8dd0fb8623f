#!/usr/bin/env bash
# Two copies, each on a display of its own, linked through a pseudo-terminal pair: both choose
# 通信対戦 and Start, and both reach round 1. One quits: the other says so and returns to the title.
# Then the line itself goes (socat ends) during a fight: both say so and return to the title.
source "$(dirname "$0")/e2e_lib.sh"
source "$(dirname "$0")/versus_lib.sh"
shots_name=versus

line_pid=""
start_line() {
  rm -f "$work/A" "$work/B"
  socat pty,raw,echo=0,link="$work/A" pty,raw,echo=0,link="$work/B" 2>/dev/null &
  line_pid=$!
  wait_until 10 test -e "$work/B" || fail "socat made no pseudo-terminals"
}

start_line
start_copy a "$display_one" "comm1device=$work/A"
start_copy b "$display_two" "comm1device=$work/B"
link_up "$display_one" "$display_two"
echo "linked: both copies are in round 1"

keys "$display_two" Escape
wait_until 30 bash -c "! kill -0 ${copies[1]} 2>/dev/null" || fail "Esc did not end the second copy"
wait_until 20 box_on "$display_one" || fail "the first copy did not see the other quit"
back_to_title "$display_one"
echo "the other copy quit: the first said so and returned to the title"

start_copy b "$display_two" "comm1device=$work/B"
choose_versus=no link_up "$display_one" "$display_two"
kill "$line_pid"
wait_until 20 box_on "$display_one" || fail "the first copy did not see the line go"
wait_until 20 box_on "$display_two" || fail "the second copy did not see the line go"
back_to_title "$display_one"
back_to_title "$display_two"
echo "the line went during the fight: both said so and returned to the title"
