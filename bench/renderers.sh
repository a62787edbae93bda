#!/usr/bin/env bash
# What presenting a frame costs and holds with each of SDL's renderers, full screen on X desktops of
# three sizes (Xvfb): the game's own presenting per frame beside a frame memcpy, and the memory each
# renderer adds to the process (bench/present_cost). Needs Xvfb.
# Usage: bench/renderers.sh [BUILD_DIR]   (default build/release)
set -eu

build=$(realpath "${1:-build/release}")
command -v Xvfb >/dev/null || { echo "renderers.sh: Xvfb is needed" >&2; exit 1; }
xvfb=""
cleanup() {
  [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null && wait "$xvfb" 2>/dev/null
  return 0
}
trap cleanup EXIT

for size in 640x480 1280x1024 1920x1080; do
  display=":$((100 + RANDOM % 100))"
  Xvfb "$display" -screen 0 "${size}x24" -nolisten tcp >/dev/null 2>&1 &
  xvfb=$!
  sleep 1
  DISPLAY="$display" "$build/bench/present_cost" || true
  kill "$xvfb" && wait "$xvfb" 2>/dev/null || true
  xvfb=""
done
