#!/usr/bin/env bash
# The Windows program's size and the DLLs it imports. Goal: at most 1 MB, system DLLs only.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
exe="$top/build/windows/morvella.exe"
size=$(stat -c %s "$exe")
printf 'morvella.exe: %d bytes (%.2f MB; goal 1 MB or less)\n' "$size" "$(echo "$size / 1048576" | bc -l)"
echo "imports:"
x86_64-w64-mingw32-objdump -p "$exe" | sed -n 's/^\s*DLL Name: /  /p' | sort -u
