#!/usr/bin/env bash
# Saves the desktop build's title frame as the browser test's reference: runs PROGRAM (a path) full
# screen on a 640 x 480 X server of its own, with a fresh home folder and no sound, and takes the
# screen once the title shows. Usage: desktop_frame.sh PROGRAM OUT.png
set -euo pipefail
program=$(realpath "$1")
out=$(realpath -m "$2")
if [ "${3:-}" != --on-display ]; then
  exec xvfb-run -a -s "-screen 0 640x480x24" "$0" "$program" "$out" --on-display
fi
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
cd "$(dirname "$program")"
HOME=$home SDL_AUDIODRIVER=dummy "./$(basename "$program")" &
pid=$!
sleep 3
convert x:root "$out"
kill "$pid"
wait "$pid" 2>/dev/null || true
