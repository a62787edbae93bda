#!/usr/bin/env bash
# How much memory each game holds on its title screen, in a menu and in play, beside the size of its
# data on disk and the targets: anonymous memory at most 40 MB on the title and 64 MB in play, or
# 3 x the data, whichever is larger. Then the start-up to the first drawn frame beside a plain read
# of the data the title screen needs (the start-up programs in the build's bench folder).
#
# Each game runs in a real X window (Xvfb, 640 x 480, and 1280 x 960 once) with SDL's dummy audio driver and is driven
# with xdotool: tarnhook from the title to the menus, then a trip on the largest lake; bowling from
# the intro to the menus, then a demonstration match with Soft Shadows on (the default). The games
# run from a staged copy of their folder (the data linked, not copied) with a throwaway HOME, so
# nothing of the player's is read or written. The largest lake is put first in the staged lake list
# and its entry fee waived, as a new player could not otherwise go there.
#
# The GL driver's share is reported apart: RssFile, and the resident and anonymous pages of the
# driver's own mappings (Mesa, LLVM, GL dispatch) from /proc/PID/smaps. Memory the driver takes
# from the heap cannot be told from ours there. Each game runs twice: with the renderer it chooses
# itself, then with SDL's GL renderer, which it takes on a desktop larger than the picture.
# Needs Xvfb and xdotool. Usage: bench/memory.sh [BUILD_DIR]   (default build/release)
set -eu

build=$(realpath "${1:-build/release}")
for tool in Xvfb xdotool; do
  command -v "$tool" >/dev/null || { echo "memory.sh: $tool is needed" >&2; exit 1; }
done

work=$(mktemp -d)
pid=""
xvfb=""
cleanup() {
  [ -n "$pid" ] && kill "$pid" 2>/dev/null && wait "$pid" 2>/dev/null
  [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null && wait "$xvfb" 2>/dev/null
  rm -rf "$work"
  return 0
}
trap cleanup EXIT

# desktop SCALE: a fresh X server of SCALE x the picture's size.
desktop() {
  [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null && wait "$xvfb" 2>/dev/null
  scale=$1
  display=":$((100 + RANDOM % 100))"
  # -noreset: a server that resets as its last client leaves refuses the next start-up run.
  Xvfb "$display" -screen 0 "$((640 * scale))x$((480 * scale))x24" -nolisten tcp -noreset >/dev/null 2>&1 &
  xvfb=$!
  for _ in $(seq 50); do
    DISPLAY=$display xdotool getdisplaygeometry >/dev/null 2>&1 && break
    sleep 0.1
  done
}
desktop 1

# stage NAME: a folder of links to the game's files, with its own copies of what the game writes.
stage() {
  local from="$build/bin/$1" to="$work/$1"
  mkdir -p "$to"
  cp -rs "$from/." "$to/"
  find "$to" -name '*.ini' -type l | while read -r f; do cp --remove-destination "$(readlink "$f")" "$f"; done
  # The program finds its data beside its own file, so the program is copied, not linked.
  cp --remove-destination "$from/$1" "$to/$1"
}

# data_kb NAME: the game's data on disk, the program itself left out.
data_kb() {
  find -L "$build/bin/$1" -type f ! -name "$1" -printf '%s\n' | awk '{s += $1} END {printf "%d", s / 1024}'
}

start() {
  (cd "$work/$1" && exec env $renderer_env HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" \
    XDG_DATA_HOME="$work/home/.local/share" DISPLAY="$display" SDL_AUDIODRIVER=dummy "./$1" >/dev/null 2>&1) &
  pid=$!
  # Without a window manager a full-screen window stays at the size it opened with: it is given
  # the desktop's size by hand, as a desktop would.
  if [ "$scale" -gt 1 ]; then
    sleep 2
    DISPLAY=$display xdotool search --sync --pid "$pid" . windowmove 0 0 windowsize "$((640 * scale))" "$((480 * scale))" \
      >/dev/null 2>&1 || true
  fi
}
stop() {
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  pid=""
}
field() { awk -v k="$1:" '$1 == k {print $2}' "/proc/$pid/status"; }
# The GL driver's mappings: resident kB and anonymous (copied-on-write) kB.
driver() {
  awk '/^[0-9a-f]+-[0-9a-f]+ / {d = ($6 ~ /(dri\/|libLLVM|libGL|libglapi|libgallium|libEGL|mesa_shader_cache|libdrm)/)}
       d && $1 == "Rss:" {r += $2} d && $1 == "Anonymous:" {a += $2}
       END {printf "%d %d", r, a}' "/proc/$pid/smaps"
}
renderer_env=""
renderer="own"
# sample GAME STATE DATA_KB TARGET_KB: one line of the table.
sample() {
  local anon rss file drv
  anon=$(field RssAnon); rss=$(field VmRSS); file=$(field RssFile); drv=$(driver)
  printf '%-9s %-8s %-7s %9.1f %9.1f %9.1f %9.1f %9.1f %9.1f %9.1f  %s\n' "$1" "$renderer" "$2" \
    "$(echo "$anon / 1024" | bc -l)" "$(echo "$rss / 1024" | bc -l)" "$(echo "$file / 1024" | bc -l)" \
    "$(echo "${drv% *} / 1024" | bc -l)" "$(echo "${drv#* } / 1024" | bc -l)" \
    "$(echo "$3 / 1024" | bc -l)" "$(echo "$4 / 1024" | bc -l)" "$([ "$anon" -le "$4" ] && echo ok || echo OVER)"
}
target() { local t=$(( $1 * 1024 )) d=$(( $2 * 3 )); echo $(( t > d ? t : d )); }
key() { DISPLAY=$display xdotool key "$1"; }
click() { DISPLAY=$display xdotool mousemove "$(($1 * scale))" "$(($2 * scale))" click 1; sleep 0.7; }

mkdir -p "$work/home"
echo "Resident memory in MB (RssAnon: anonymous; driver: the GL driver's own mappings, resident / anonymous)"
printf '%-9s %-8s %-7s %9s %9s %9s %9s %9s %9s %9s\n' game renderer state RssAnon RSS RssFile drv-rss drv-anon data target

# play_games: both games through their three states, one table line each.
play_games() {
  kb=$(data_kb tarnhook)
  start tarnhook
  sleep 4
  sample tarnhook title "$kb" "$(target 40 "$kb")"
  click 320 240   # the title: on to the menus
  sleep 1
  click 267 53    # "Fish": the lake panel
  sleep 1
  sample tarnhook menu "$kb" "$(target 40 "$kb")"
  click 66 124    # the first lake in the list: the largest
  click 370 336   # "Fish This Lake"
  sleep 5
  sample tarnhook play "$kb" "$(target 64 "$kb")"
  stop

  kb=$(data_kb bowling)
  start bowling
  sleep 4
  sample bowling title "$kb" "$(target 40 "$kb")"
  key space       # the intro: on to the menus
  sleep 1.5
  sample bowling menu "$kb" "$(target 40 "$kb")"
  click 320 185   # "Computer vs. Computer (Demo Mode)"
  click 400 266   # "Pro"
  click 457 237   # "Select Player 1"
  sleep 0.5
  click 457 237   # the second player
  sleep 0.5
  click 481 237   # "Play": the match
  sleep 6
  sample bowling play "$kb" "$(target 64 "$kb")"
  stop
}

stage tarnhook
stage bowling
lakes="$work/tarnhook/lakes"
largest=$(basename "$(ls -S "$build"/bin/tarnhook/lakes/*.iso | head -1)" .iso)
printf '[Lakes]\nlake1=%s\nlake2=Birch_Pond\n' "$largest" > "$lakes/lakes.ini"
cp --remove-destination "$build/bin/tarnhook/lakes/$largest.ini" "$lakes/$largest.ini"
sed -i 's/^EntryFee=.*/EntryFee=0/' "$lakes/$largest.ini"
# The programs' own choice of renderer on a desktop of the picture's size and on one twice as
# large (where a GL driver on a graphics card would scale; on one that draws on the processor the
# programs keep SDL's own renderer), then GL asked for, as a graphics card's desktop gets it.
play_games
desktop 2
renderer="own,x2"
play_games
desktop 1
renderer_env="SDL_RENDER_DRIVER=opengl"
renderer="opengl"
play_games
echo "(target: the larger of the fixed target and 3 x the data; ok = RssAnon within it)"

echo
for game in tarnhook bowling; do
  if [ -x "$build/bench/startup_$game" ]; then
    DISPLAY="$display" SDL_AUDIODRIVER=dummy HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" \
      XDG_DATA_HOME="$work/home/.local/share" "$build/bench/startup_$game" "$work/$game" || true
  fi
done
