#!/usr/bin/env bash
# Starts the program in work/, with the shipped lists copied in where the user has none yet.
set -euo pipefail
build=${1:-build}
top=$(cd "$(dirname "$0")/.." && pwd)
work="$top/work"
mkdir -p "$work"
for f in "$top"/resources/lists/*.txt; do
  [ -e "$f" ] || continue
  [ -e "$work/$(basename "$f")" ] || cp "$f" "$work/"
done
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "make run: no display (neither DISPLAY nor WAYLAND_DISPLAY is set); start it from a desktop session." >&2
  exit 1
fi
cd "$work"
exec "$top/$build/app/main/veltrane"
