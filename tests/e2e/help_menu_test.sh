#!/usr/bin/env bash
# With the shield window at its place on the frame's right half, the whole menu bar stays in
# reach: ﾍﾙﾌﾟ, the last menu, opens on a click, at the font size a Debian desktop sets. On a
# desktop without a viewer for the help, its document command says so in a message box.
source "$(dirname "$0")/e2e_lib.sh"

# A desktop of its own: GNOME's default interface font, and no application for any document
# (only the file-type database, which pictures need too).
mkdir -p "$work/config/gtk-3.0" "$work/share"
printf '[Settings]\ngtk-font-name=Cantarell 11\n' >"$work/config/gtk-3.0/settings.ini"
ln -s /usr/share/mime "$work/share/mime"
export XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/share" XDG_DATA_DIRS="$work/share"

start_game
wait_for_window
wait_for_title
shield_open() { xdotool search --onlyvisible --name 'シールド' >/dev/null; }
wait_until 10 shield_open || fail "the shield window is not open"

# The menu titles are dark text on the light bar; the last one left of the shield window must be
# ﾍﾙﾌﾟ, the last menu.
picture=$(screenshot menus)
read -r count _ _ right _ < <("$PICTURE_PROBE" bounds "$picture" 0 2 320 20 dark)
[ "$count" -gt 0 ] || fail "no menu titles to be seen"
xdotool mousemove --sync $((right - 6)) 12 click 1
sleep 1
# Its first item is ﾄﾞｷｭﾒﾝﾄ; no other menu's first item shows a message.
xdotool key --delay 200 Down Return

message_shown() { [ -n "$(message_box)" ]; }
wait_until 20 message_shown || fail "no message box after ﾍﾙﾌﾟ > ﾄﾞｷｭﾒﾝﾄ without a viewer"
echo "ﾍﾙﾌﾟ opened beside the shield window; the missing viewer was reported"
