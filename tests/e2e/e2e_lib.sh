# Shared steps of the end-to-end tests: a private copy of the game, starting and waiting for it,
# screenshots and their measurements. Sourced by the test scripts, which run under xvfb-run.
set -euo pipefail

: "${MORVEX:?the morvex program to test}"
: "${PICTURE_PROBE:?the picture_probe program}"
export LANG=C.UTF-8

work=$(mktemp -d)
game_pid=""

finish() {
  if [ -n "$game_pid" ] && kill -0 "$game_pid" 2>/dev/null; then kill "$game_pid" 2>/dev/null || true; fi
  rm -rf "$work"
}
trap finish EXIT

fail() {
  echo "FAIL: $*" >&2
  if [ -f "$work/game.log" ]; then echo "--- game output:" >&2; cat "$work/game.log" >&2; fi
  exit 1
}

# Starts a copy of the program in a folder of its own, so its settings file stays private.
# The program finds its data through the source tree (or its installed folder).
start_game() {
  local program=${1:-$MORVEX}
  if [ "$program" = "$MORVEX" ]; then
    cp "$MORVEX" "$work/morvex"
    program="$work/morvex"
  fi
  "$program" >"$work/game.log" 2>&1 &
  game_pid=$!
}

# Polls a command until it succeeds or the seconds run out (the machine may be slow and busy).
wait_until() {
  local seconds=$1
  shift
  local deadline=$((SECONDS + seconds))
  until "$@"; do
    [ $SECONDS -lt $deadline ] || return 1
    sleep 0.3
  done
}

game_window() { xdotool search --onlyvisible --name '^Mor-Vex$' 2>/dev/null | head -n 1; }

window_shown() { [ -n "$(game_window)" ]; }

# The program's message box ("Morvexゲーム"), if one is on screen.
message_box() { xdotool search --onlyvisible --name '^Morvexゲーム$' 2>/dev/null | head -n 1; }

# The frame editor ("フレームエディット"), if it is open.
frame_editor() { xdotool search --onlyvisible --name '^フレームエディット$' 2>/dev/null | head -n 1; }

wait_for_window() {
  wait_until 60 window_shown || fail "the game window did not appear"
  window=$(game_window)
}

# "X Y W H" of the game window.
window_geometry() {
  xdotool getwindowgeometry --shell "$1" |
    awk -F= '/^X=/{x=$2} /^Y=/{y=$2} /^WIDTH=/{w=$2} /^HEIGHT=/{h=$2} END{print x, y, w, h}'
}

screenshot() {
  import -window root "$work/$1.png"
  echo "$work/$1.png"
}

# Without a window manager keys go to the window under the pointer.
point_at_game() { xdotool mousemove --sync 320 300; }

# The game's drawing area lies below the menu and tool bar: measure in its lower part.
title_has_appeared() {
  local picture count colours
  picture=$(screenshot title)
  read -r count _ _ < <("$PICTURE_PROBE" find "$picture" 0 60 640 420 cyan)
  colours=$("$PICTURE_PROBE" distinct "$picture" 0 60 640 420)
  [ "$count" -gt 200 ] && [ "$colours" -gt 40 ]
}

wait_for_title() {
  wait_until 90 title_has_appeared || fail "no title screen (cyan title text on a rendered scene)"
}

game_exited() { ! kill -0 "$game_pid" 2>/dev/null; }

# Waits for the program to end (failing with the message when it does not) and keeps its exit
# code in exit_status.
wait_for_exit() {
  wait_until 30 game_exited || fail "$1"
  exit_status=0
  wait "$game_pid" || exit_status=$?
  game_pid=""
}
