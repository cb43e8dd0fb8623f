#!/usr/bin/env bash
# Measures the game's processor use on the title demonstration: runs morvex for 20 s under Xvfb
# and prints its CPU time over that span in % of one core (the game loop must wait for events or
# the next step, not spin), then saves a screenshot (the frame rate is drawn at its top left).
#   tools/bench/game_cpu_usage.sh [path/to/morvex] [seconds]
set -euo pipefail
cd "$(dirname "$0")/../.."
program=${1:-build/game/shell/morvex}
seconds=${2:-20}
[ -x "$program" ] || { echo "no program at $program (build first)" >&2; exit 1; }
export LANG=C.UTF-8

if [ -z "${GAME_CPU_USAGE_UNDER_XVFB:-}" ]; then
  GAME_CPU_USAGE_UNDER_XVFB=1 exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$program" "$seconds"
fi

work=$(mktemp -d)
cp "$program" "$work/morvex"
"$work/morvex" >"$work/game.log" 2>&1 &
pid=$!
trap 'kill "$pid" 2>/dev/null || true; wait "$pid" 2>/dev/null || true' EXIT

# The window and its first frames take a moment on a busy machine; measure after that.
for _ in $(seq 100); do
  xdotool search --onlyvisible --name '^Mor-Vex$' >/dev/null 2>&1 && break
  sleep 0.2
done
sleep 2

ticks_per_second=$(getconf CLK_TCK)
cpu_ticks() { awk '{ sub(/.*\) /, ""); print $12 + $13 }' "/proc/$pid/stat"; }
start_ticks=$(cpu_ticks)
start_time=$(date +%s.%N)
sleep "$seconds"
end_ticks=$(cpu_ticks)
end_time=$(date +%s.%N)

screenshot="${TMPDIR:-/tmp}/morvex-cpu-usage-$(date +%Y%m%d-%H%M%S).png"
import -window root -crop 640x480+0+0 "$screenshot"
awk -v ticks=$((end_ticks - start_ticks)) -v rate="$ticks_per_second" \
    -v start="$start_time" -v end="$end_time" \
    'BEGIN { printf "morvex CPU use on the title demo: %.1f %% of one core over %.1f s\n", 100 * ticks / rate / (end - start), end - start }'
echo "screenshot (frame rate at the top left): $screenshot"
rm -rf "$work"
