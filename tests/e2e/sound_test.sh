#!/usr/bin/env bash
# A round is heard: SDL's disk driver stands in for the sound card and keeps what was played in a
# file. Once the round has started, its "Ready... Go!" and the level's music sound on without a
# pause; Esc then ends the program while the music plays.
source "$(dirname "$0")/e2e_lib.sh"

export SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$work/audio.raw"
start_game
wait_for_window
wait_for_title
point_at_game
grep -q "no sound" "$work/game.log" && fail "the program found no sound device"

# The title demonstration's shots come and go; a second after Start only the round's sounds play.
xdotool key --delay 300 alt+f s
sleep 1
heard_before=$(stat -c %s "$SDL_DISKAUDIOFILE")
sleep 3

# Raw 16-bit samples: silence is zero bytes. Sound that goes on leaves few of them.
written=$(($(stat -c %s "$SDL_DISKAUDIOFILE") - heard_before))
sounding=$(tail -c +$((heard_before + 1)) "$SDL_DISKAUDIOFILE" | tr -d '\0' | wc -c)
echo "$sounding of $written bytes written in the round's first seconds are not silence"
[ "$written" -gt 176400 ] || fail "less than a second of sound written in 3 s"
[ $((sounding * 3)) -gt $((written * 2)) ] || fail "the round is not heard without a pause"

xdotool key Escape
wait_for_exit "the program still runs after Esc with the music playing"
[ $exit_status -eq 0 ] || fail "exit code $exit_status after Esc with the music playing"
echo "the round was heard and Esc ended the program"
