# Shared steps of the versus end-to-end tests: a second X server, copies of the game each in a
# folder and on a display of its own, and what their screens show. Sourced after e2e_lib.sh.

copies=()
second_server=""
cleanup() {
  local pid
  for pid in "${copies[@]}" ${line_pid:-} $second_server; do kill "$pid" 2>/dev/null || true; done
  finish
}
trap cleanup EXIT

display_one=$DISPLAY
Xvfb -displayfd 3 -screen 0 1280x1024x24 -noreset 3>"$work/display" 2>/dev/null &
second_server=$!
wait_until 20 test -s "$work/display" || fail "no second X server"
display_two=":$(cat "$work/display")"

# Copy $1 ("a" or "b") on display $2, in a folder of its own; a first start writes $3 into its
# settings file.
start_copy() {
  local copy=$1 display=$2 settings=$3
  mkdir -p "$work/$copy"
  cp "$MORVEX" "$work/$copy/morvex"
  [ -f "$work/$copy/morvex.ini" ] || printf '[morvex infor]\n%s\n' "$settings" >"$work/$copy/morvex.ini"
  (cd "$work/$copy" && DISPLAY=$display exec ./morvex >>"$work/$copy.log" 2>&1) &
  copies+=($!)
}

on() { DISPLAY=$1 "${@:2}"; }
shot() { on "$1" import -window root "$work/$2.png"; echo "$work/$2.png"; }
# Keeps the last screenshot called $2 for people to look at, when MORVEX_E2E_SHOTS names a folder.
keep() { [ -z "${MORVEX_E2E_SHOTS:-}" ] || cp "$work/$2.png" "$MORVEX_E2E_SHOTS/$shots_name-$1.png"; }
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

