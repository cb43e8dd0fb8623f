#!/usr/bin/env bash
# Measures the game's processor use on the title demonstration (with its robots' sound effects)
# or in a round of level 1 (effects and music): runs morvex for 20 s under Xvfb and prints its CPU
# time over that span in % of one core (the game loop must wait for events or the next step, not
# spin), then saves a screenshot (the frame rate is drawn at its top left). The sound goes to
# SDL's disk driver, which mixes it as a sound card would, unless SDL_AUDIODRIVER says otherwise.
#   tools/bench/game_cpu_usage.sh [path/to/morvex] [seconds] [title|round]
set -euo pipefail
cd "$(dirname "$0")/../.."
program=${1:-build/game/shell/morvex}
seconds=${2:-20}
scene=${3:-title}
[ -x "$program" ] || { echo "no program at $program (build first)" >&2; exit 1; }
case $scene in
  title) measured="title demo" ;;
  round) measured="round with music" ;;
  *) echo "no scene \"$scene\" (title or round)" >&2; exit 1 ;;
esac
export LANG=C.UTF-8

if [ -z "${GAME_CPU_USAGE_UNDER_XVFB:-}" ]; then
  GAME_CPU_USAGE_UNDER_XVFB=1 exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$program" \
    "$seconds" "$scene"
fi

work=$(mktemp -d)
cp "$program" "$work/morvex"
export SDL_AUDIODRIVER=${SDL_AUDIODRIVER:-disk}
export SDL_DISKAUDIOFILE=${SDL_DISKAUDIOFILE:-$work/audio.raw}
"$work/morvex" >"$work/game.log" 2>&1 &
pid=$!
trap 'kill "$pid" 2>/dev/null || true; wait "$pid" 2>/dev/null || true' EXIT

# The window and its first frames take a moment on a busy machine; measure after that.
for _ in $(seq 100); do
  xdotool search --onlyvisible --name '^Mor-Vex$' >/dev/null 2>&1 && break
  sleep 0.2
done
sleep 2
if [ "$scene" = round ]; then
  # ﾌｧｲﾙ(&F), then スタート(&S); keys go to the window under the pointer.
  xdotool mousemove --sync 320 300 key --delay 300 alt+f s
  sleep 2
fi
grep -q "no sound" "$work/game.log" && echo "(the game found no sound device: measured silent)"

ticks_per_second=$(getconf CLK_TCK)
cpu_ticks() { awk '{ sub(/.*\) /, ""); print $12 + $13 }' "/proc/$pid/stat"; }
start_ticks=$(cpu_ticks)
start_time=$(date +%s.%N)
sleep "$seconds"
end_ticks=$(cpu_ticks)
end_time=$(date +%s.%N)

screenshot="${TMPDIR:-/tmp}/morvex-cpu-usage-$(date +%Y%m%d-%H%M%S).png"
import -window root -crop 640x480+0+0 "$screenshot"
awk -v ticks=$((end_ticks - start_ticks)) -v rate="$ticks_per_second" -v measured="$measured" \
    -v start="$start_time" -v end="$end_time" \
    'BEGIN { printf "morvex CPU use in the %s: %.1f %% of one core over %.1f s\n", measured, 100 * ticks / rate / (end - start), end - start }'
echo "screenshot (frame rate at the top left): $screenshot"
rm -rf "$work"
