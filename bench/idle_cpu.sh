#!/usr/bin/env bash
# How much of one core tarnhook uses while the player does nothing, a few seconds in each state:
# the title, the menus and play on the first lake in a real X window (Xvfb, 640 x 480, driven with
# xdotool), then the title on SDL's dummy video driver. Needs Xvfb and xdotool.
# Usage: bench/idle_cpu.sh [PROGRAM [SECONDS]]
#   PROGRAM defaults to build/release/bin/tarnhook/tarnhook, SECONDS (per state) to 5.
set -eu

prog=$(realpath "${1:-build/release/bin/tarnhook/tarnhook}")
secs=${2:-5}
hz=$(getconf CLK_TCK)
for tool in Xvfb xdotool; do
  command -v "$tool" >/dev/null || { echo "idle_cpu.sh: $tool is needed" >&2; exit 1; }
done

pid=""
xvfb=""
cleanup() {
  [ -n "$pid" ] && kill "$pid" 2>/dev/null && wait "$pid" 2>/dev/null
  [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null && wait "$xvfb" 2>/dev/null
  return 0
}
trap cleanup EXIT

# Starts the program from its own folder with the given environment; its pid in $pid.
start() {
  (cd "$(dirname "$prog")" && exec env SDL_AUDIODRIVER=dummy "$@" "./$(basename "$prog")" >/dev/null 2>&1) &
  pid=$!
  sleep 2
}
stop() {
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  pid=""
}

# measure LABEL: the program's share of one core over the next $secs seconds.
measure() {
  local before after t0 t1
  before=$(awk '{print $14 + $15}' "/proc/$pid/stat")
  t0=$(date +%s.%N)
  sleep "$secs"
  after=$(awk '{print $14 + $15}' "/proc/$pid/stat")
  t1=$(date +%s.%N)
  awk -v a="$before" -v b="$after" -v s="$t0" -v e="$t1" -v hz="$hz" -v label="$1" \
    'BEGIN { printf "%-36s %6.1f%% of a core\n", label, 100 * (b - a) / hz / (e - s) }'
}

click() { DISPLAY=$display xdotool mousemove "$1" "$2" click 1; sleep 1; }

display=":$((100 + RANDOM % 100))"
Xvfb "$display" -screen 0 640x480x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
sleep 1

echo "tarnhook, ${secs} s in each state, nothing touched:"
start DISPLAY="$display"
measure "title (Xvfb)"
click 320 240             # the title: on to the menus
measure "menus (Xvfb)"
click 267 53              # "Fish": the lake panel
click 66 124              # the first lake
click 370 336             # "Fish This Lake"
sleep 2
measure "play, 15 ms timer (Xvfb)"
stop

start SDL_VIDEODRIVER=dummy
measure "title (SDL dummy video driver)"
stop
