#!/usr/bin/env bash
# Start-up to window mapped of morvella.exe against a minimal Win32 window, under Wine and Xvfb.
#   bench/startup.sh [RUNS]   default 7
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/wine-session" start
exec python3 "$top/bench/startup.py" "$@"
