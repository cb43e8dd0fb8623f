#!/usr/bin/env bash
# Without a display the program says so and exits with a failure code.
set -euo pipefail
: "${MORVEX:?the morvex program to test}"
status=0
message=$(env -u DISPLAY -u WAYLAND_DISPLAY "$MORVEX" 2>&1 >/dev/null) || status=$?
[ $status -ne 0 ] || { echo "FAIL: exit code 0 without a display" >&2; exit 1; }
grep -qi "display" <<<"$message" || { echo "FAIL: no message about the display: '$message'" >&2; exit 1; }
echo "exit code $status: $message"
