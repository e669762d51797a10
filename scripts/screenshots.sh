#!/usr/bin/env bash
# Plays the opening of a game under a real X server (Xvfb) and saves screenshots of the start,
# table and scoring windows into docs/. Runs the installed program: give its path, or the game is
# built into build/ and installed into a temporary folder first (which also shows that an installed
# copy finds its artwork).
#   scripts/screenshots.sh [path/to/brivano]
source "$(dirname "$0")/common.sh"

if [ -z "${BRIVANO_UNDER_XVFB:-}" ]; then
  install_missing xvfb xauth xdotool imagemagick
  program=${1:-}
  if [ -z "$program" ]; then
    build build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBRIVANO_TESTS=OFF
    prefix=$(mktemp -d)
    cmake --install build --prefix "$prefix" >/dev/null
    program=$prefix/bin/brivano
  fi
  BRIVANO_UNDER_XVFB=1 exec xvfb-run -a -s "-screen 0 1280x900x24" "$0" "$(realpath "$program")"
fi

program=$1
docs=$PWD/docs
mkdir -p "$docs"
scratch=$(mktemp -d)
export XDG_CONFIG_HOME=$scratch/config XDG_RUNTIME_DIR=$scratch/runtime QT_QPA_PLATFORM=xcb
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
unset QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS

"$program" >"$scratch/log" 2>&1 &
pid=$!
trap 'kill "$pid" 2>/dev/null || true; rm -rf "$scratch"' EXIT

# The visible window whose title matches, waiting for it (up to ten seconds).
window() {
  local id
  for _ in $(seq 100); do
    id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | tail -1 || true)
    if [ -n "$id" ]; then echo "$id"; return 0; fi
    sleep 0.1
  done
  echo "no window named $1" >&2
  return 1
}

# Where the content starts: the window is its menu bar over a content area of known height.
menu_height() { # window-id content-height
  local h
  h=$(xdotool getwindowgeometry --shell "$1" | sed -n 's/^HEIGHT=//p')
  echo $((h - $2))
}

# A click at a point of the content area (below the menu bar).
click() { # window-id menu-height x y
  # The window may have closed meanwhile (the end of a hand): no harm.
  xdotool mousemove --window "$1" "$3" $(($4 + $2)) click 1 2>/dev/null || true
  sleep 0.15
}

shot() { # window-id file
  sleep 0.4
  import -window "$1" "$docs/$2"
  echo "saved docs/$2"
}

start=$(window '^Brivano$')
start_menu=$(menu_height "$start" 420)
shot "$start" start.png

click "$start" "$start_menu" 200 66  # Play a New Game
sleep 0.5
table=$(window '^Brivano$')
table_menu=$(menu_height "$table" 555)
click "$table" "$table_menu" 60 460   # the first card of the hand
click "$table" "$table_menu" 380 511  # the traffic light
shot "$table" table.png

# Plays the rest of the hand: a hand card, a table card now and then (a choice among sums wants
# one), and the traffic light for either side, until the scoring window comes up.
scoring=""
for round in $(seq 400); do
  if scoring=$(xdotool search --onlyvisible --name 'scoring|punteggio' 2>/dev/null | tail -1) && [ -n "$scoring" ]; then
    break
  fi
  table=$(xdotool search --onlyvisible --name '^Brivano$' 2>/dev/null | tail -1 || true)
  [ -n "$table" ] || { sleep 0.2; continue; }
  for slot in 1 2 3; do click "$table" "$table_menu" $((60 + 110 * (slot - 1))) 460; done
  if ((round % 2 == 0)); then click "$table" "$table_menu" $((150 + RANDOM % 420)) 275; fi
  click "$table" "$table_menu" 380 511
  click "$table" "$table_menu" 380 511
done
if [ -n "$scoring" ]; then
  echo "the scoring window came up after $round rounds"
  scoring_menu=$(menu_height "$scoring" 555)
  click "$scoring" "$scoring_menu" 165 43  # its traffic light counts the hand
  shot "$scoring" scoring.png
  quit_from=$scoring
else
  echo "the scoring window was not reached; docs/scoring.png left as it was" >&2
  quit_from=$(window '^Brivano$')
fi

# Quit by its shortcut, then check what a quit leaves behind.
xdotool windowfocus --sync "$quit_from" key ctrl+q
for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$pid" 2>/dev/null; then
  echo "the program did not quit" >&2
  exit 1
fi
wait "$pid" || { echo "the program ended with an error" >&2; cat "$scratch/log" >&2; exit 1; }
for f in brivanoprfs.txt qvdimage.pct; do
  [ -s "$XDG_CONFIG_HOME/brivano/$f" ] || { echo "$f was not written at quit" >&2; exit 1; }
done
echo "quit cleanly; preferences and picture written"
