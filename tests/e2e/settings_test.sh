#!/usr/bin/env bash
# What the player chose is in the settings file after Esc and in effect at the next start: the
# view, the drawing mode, the effects switch, the shield window's place and the 256-colour
# display (in which, unlike true colour, Gouraud shading is kept); the levels reached and lines
# of the player's own come back as they were.
source "$(dirname "$0")/e2e_lib.sh"

shield_window() { xdotool search --onlyvisible --name 'シールド' 2>/dev/null | head -n 1; }
shield_shown() { [ -n "$(shield_window)" ]; }
box_shown() { [ -n "$(message_box)" ]; }
# A menu item by its mnemonics: the menu title's, then the item's.
choose() {
  point_at_game
  xdotool key --delay 300 "$@"
  sleep 0.5
}
setting() { sed -n "s/^$1=//p" "$work/morvex.ini" | tr -d '\r'; }
expect_settings() {
  local pair
  for pair in "$@"; do
    [ "$(setting "${pair%%=*}")" = "${pair#*=}" ] ||
      fail "${pair%%=*} is \"$(setting "${pair%%=*}")\" in the settings file, not ${pair#*=}"
  done
}
quit_with_escape() {
  point_at_game
  xdotool key Escape
  wait_for_exit "Esc left the program running"
  [ $exit_status -eq 0 ] || fail "exit code $exit_status after Esc"
}

cd "$work"
# A hand-edited file: what the game does not know survives its writes.
printf '; my own note\n[morvex infor]\nlevel=6\nmine=kept\n' >"$work/morvex.ini"
start_game
wait_for_window
wait_for_title
choose alt+v g    # 表示 > GOURAUD_SHADING, which true colour draws as halftone
choose alt+o v s  # オプション > ﾋﾞｭｰ > ｻｲﾄﾞﾋﾞｭｰ
choose alt+s w    # サウンド > 効果音
choose alt+v c    # 表示 > 256色モード, which says it waits for the next start
wait_until 20 box_shown || fail "256色モード said nothing"
read -r bx by bwidth bheight < <(window_geometry "$(message_box)")
xdotool mousemove --sync $((bx + bwidth / 2)) $((by + bheight / 3)) key Return
wait_until 20 shield_shown || fail "the shield window is not open"
xdotool windowmove --sync "$(shield_window)" 500 600
quit_with_escape
[ -f "$work/morvex.ini" ] || fail "no settings file beside the program after Esc"
expect_settings model=2 viewmode=12 wave=0 midi=1 shield=1 shieldx=500 shieldy=600 palette256=1 \
  level=6 mine=kept
grep -qx '; my own note' "$work/morvex.ini" || fail "the comment was lost"
echo "the choices were written at Esc"

# The next start takes them up; written again, they come back unchanged, except that the
# 256-colour display now keeps Gouraud shading.
cp "$work/morvex.ini" "$work/first.ini"
start_game
wait_for_window
wait_for_title
wait_until 20 shield_shown || fail "the shield window did not open at the next start"
read -r sx sy _ _ < <(window_geometry "$(shield_window)")
[ "$sx,$sy" = "500,600" ] || fail "the shield window opened at ($sx, $sy), not (500, 600)"
choose alt+v g
quit_with_escape
sed 's/^model=2$/model=3/' "$work/first.ini" | cmp -s - "$work/morvex.ini" ||
  fail "the settings file did not come back as written: $(diff "$work/first.ini" "$work/morvex.ini")"
echo "the next start took the choices up, in the 256-colour display"
