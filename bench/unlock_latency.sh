#!/usr/bin/env bash
# Unlock to request received by the mock robot, morvella.exe under Wine against curl.
#   bench/unlock_latency.sh [EVENTS]   default 50
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/wine-session" start
exec python3 "$top/bench/unlock_latency.py" "$@"
