#!/usr/bin/env bash
# Two copies, each on a display of its own, linked through a pseudo-terminal pair: both choose
# 通信対戦 and Start, and both reach round 1. One quits: the other says so and returns to the title.
# Then the line itself goes (socat ends) during a fight: both say so and return to the title.
source "$(dirname "$0")/e2e_lib.sh"

copies=()
line_pid=""
second_server=""
cleanup() {
  local pid
  for pid in "${copies[@]}" $line_pid $second_server; do kill "$pid" 2>/dev/null || true; done
  finish
}
trap cleanup EXIT

display_one=$DISPLAY
Xvfb -displayfd 3 -screen 0 1280x1024x24 -noreset 3>"$work/display" 2>/dev/null &
second_server=$!
wait_until 20 test -s "$work/display" || fail "no second X server"
display_two=":$(cat "$work/display")"

start_line() {
  rm -f "$work/A" "$work/B"
  socat pty,raw,echo=0,link="$work/A" pty,raw,echo=0,link="$work/B" 2>/dev/null &
  line_pid=$!
  wait_until 10 test -e "$work/B" || fail "socat made no pseudo-terminals"
}

# Copy $1 ("a" or "b") on its display, with a settings file of its own naming its end of the line.
start_copy() {
  local copy=$1 display=$2 end=$3
  mkdir -p "$work/$copy"
  cp "$MORVEX" "$work/$copy/morvex"
  [ -f "$work/$copy/morvex.ini" ] ||
    printf '[morvex infor]\ncomm1device=%s\n' "$work/$end" >"$work/$copy/morvex.ini"
  (cd "$work/$copy" && DISPLAY=$display exec ./morvex >>"$work/$copy.log" 2>&1) &
  copies+=($!)
}

on() { DISPLAY=$1 "${@:2}"; }
shot() { on "$1" import -window root "$work/$2.png"; echo "$work/$2.png"; }
# Keeps the last screenshot called $2 for people to look at, when MORVEX_E2E_SHOTS names a folder.
keep() { [ -z "${MORVEX_E2E_SHOTS:-}" ] || cp "$work/$2.png" "$MORVEX_E2E_SHOTS/versus-$1.png"; }
window_of() { on "$1" xdotool search --onlyvisible --name "$2" 2>/dev/null | head -n 1; }
# Menu items by their mnemonics, with the pointer over the game window.
keys() { on "$1" xdotool mousemove --sync 320 300 key --delay 300 "${@:2}"; }

title_on() {
  local picture count
  picture=$(shot "$1" title)
  read -r count _ _ < <("$PICTURE_PROBE" find "$picture" 0 60 640 420 cyan)
  [ "$count" -gt 200 ]
}
round_one_on() {
  local picture cyan white
  picture=$(shot "$1" round)
  read -r cyan _ _ < <("$PICTURE_PROBE" find "$picture" 0 60 640 420 cyan)
  read -r white _ _ < <("$PICTURE_PROBE" find "$picture" 160 180 320 140 white)
  [ "$cyan" -lt 150 ] && [ "$white" -gt 80 ]
}
box_on() { [ -n "$(window_of "$1" '^Morvexゲーム$')" ]; }
waiting_on() { [ -n "$(window_of "$1" '^対戦モード$')" ]; }
# The versus dialog on $1 shows its status: dark text in the part above the cancel button.
status_on() {
  local dialog dx dy dwidth dheight picture count
  dialog=$(window_of "$1" '^対戦モード$')
  [ -n "$dialog" ] || return 1
  read -r dx dy dwidth dheight < <(on "$1" xdotool getwindowgeometry --shell "$dialog" |
    awk -F= '/^X=/{x=$2} /^Y=/{y=$2} /^WIDTH=/{w=$2} /^HEIGHT=/{h=$2} END{print x, y, w, h}')
  picture=$(shot "$1" dialog)
  read -r count _ _ < <("$PICTURE_PROBE" find "$picture" "$dx" "$dy" "$dwidth" $((dheight / 2)) dark)
  [ "$count" -gt 100 ]
}
# Dismisses the message box on display $1 and waits for the title.
back_to_title() {
  local box bx by bwidth bheight
  box=$(window_of "$1" '^Morvexゲーム$')
  read -r bx by bwidth bheight < <(on "$1" xdotool getwindowgeometry --shell "$box" |
    awk -F= '/^X=/{x=$2} /^Y=/{y=$2} /^WIDTH=/{w=$2} /^HEIGHT=/{h=$2} END{print x, y, w, h}')
  on "$1" xdotool mousemove --sync $((bx + bwidth / 2)) $((by + bheight / 3)) key Return
  wait_until 60 title_on "$1" || fail "no title screen on $1 after the message"
}
# Both copies choose versus play (unless it is still chosen) and start: $1 waits, $2 calls.
link_up() {
  local display
  for display in "$@"; do wait_until 90 title_on "$display" || fail "no title on $display"; done
  [ "${choose_versus:-yes}" = yes ] && keys "$1" alt+l t
  keys "$2" alt+l t
  keys "$1" alt+f s
  wait_until 20 waiting_on "$1" || fail "no versus dialog on $1"
  wait_until 20 status_on "$1" || fail "the versus dialog on $1 shows no status"
  keep "dialog" dialog
  keys "$2" alt+f s
  wait_until 60 round_one_on "$1" || fail "no round 1 on $1"
  keep "round1-first" round
  wait_until 60 round_one_on "$2" || fail "no round 1 on $2"
  keep "round1-second" round
}

start_line
start_copy a "$display_one" A
start_copy b "$display_two" B
link_up "$display_one" "$display_two"
echo "linked: both copies are in round 1"

keys "$display_two" Escape
wait_until 30 bash -c "! kill -0 ${copies[1]} 2>/dev/null" || fail "Esc did not end the second copy"
wait_until 20 box_on "$display_one" || fail "the first copy did not see the other quit"
back_to_title "$display_one"
echo "the other copy quit: the first said so and returned to the title"

start_copy b "$display_two" B
choose_versus=no link_up "$display_one" "$display_two"
kill "$line_pid"
wait_until 20 box_on "$display_one" || fail "the first copy did not see the line go"
wait_until 20 box_on "$display_two" || fail "the second copy did not see the line go"
back_to_title "$display_one"
back_to_title "$display_two"
echo "the line went during the fight: both said so and returned to the title"
