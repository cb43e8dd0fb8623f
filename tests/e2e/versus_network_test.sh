#!/usr/bin/env bash
# Two copies on one machine linked over the network: the first is given the address through
# オプション > Comm > ネットワーク..., the second has it in its settings file. Both choose 通信対戦
# and Start and reach round 1; one quits, and the other says so and returns to the title.
source "$(dirname "$0")/e2e_lib.sh"
source "$(dirname "$0")/versus_lib.sh"
shots_name=versus-network

port=$((20000 + RANDOM % 20000))
address_dialog_on() { [ -n "$(window_of "$1" '^ネットワーク対戦$')" ]; }
address_dialog_gone() { ! address_dialog_on "$1"; }

start_copy a "$display_one" ""
start_copy b "$display_two" "comm=0
netaddress=127.0.0.1:$port"
wait_until 90 title_on "$display_one" || fail "no title on the first copy"
keys "$display_one" alt+o c n
wait_until 20 address_dialog_on "$display_one" || fail "no address dialog"
read -r dx dy < <(on "$display_one" xdotool getwindowgeometry --shell \
  "$(window_of "$display_one" '^ネットワーク対戦$')" | awk -F= '/^X=/{x=$2} /^Y=/{y=$2} END{print x, y}')
on "$display_one" xdotool mousemove --sync $((dx + 20)) $((dy + 20)) type --delay 50 "127.0.0.1:$port"
shot "$display_one" address >/dev/null
keep address address
on "$display_one" xdotool key Return
wait_until 20 address_dialog_gone "$display_one" || fail "the address dialog stayed open"

link_up "$display_one" "$display_two"
echo "linked over the network: both copies are in round 1"
grep -q "^netaddress=127.0.0.1:$port" "$work/b/morvex.ini" || fail "the second copy lost its address"

keys "$display_two" Escape
wait_until 30 bash -c "! kill -0 ${copies[1]} 2>/dev/null" || fail "Esc did not end the second copy"
wait_until 20 box_on "$display_one" || fail "the first copy did not see the other quit"
back_to_title "$display_one"
echo "the other copy quit: the first said so and returned to the title"
