#!/usr/bin/env bash
# An install moved to a prefix other than the one it was configured for: its program, started under a
# private X server, must load the sound and speech module of that install at its first card sound (the
# deal after Play); without the module it plays on silently and says why in one line.
#   moved_install.sh CMAKE BUILD_DIR CONFIGURED_MODULE_DIR
set -euo pipefail
cmake=$1 build=$2 configured=$3
for tool in Xvfb xdotool; do
  command -v "$tool" >/dev/null || { echo "$tool is missing: install the packages xvfb and xdotool"; exit 1; }
done
work=$(mktemp -d)
games=() xvfb=
# Games first: an X server gone before them makes them abort.
trap 'kill "${games[@]}" $xvfb 2>/dev/null || true; rm -rf "$work"' EXIT
"$cmake" --install "$build" --prefix "$work/moved" >/dev/null
module=$(find "$work/moved" -name 'libbrivano_media.so')
[ -n "$module" ] || { echo "the install holds no sound and speech module"; exit 1; }

# Two X servers starting at the same moment can both take display :0; another build's check may be
# starting one too.
exec 9>"${TMPDIR:-/tmp}/brivano-xvfb.lock"
flock 9
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 9>&- 2>/dev/null &
xvfb=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
flock -u 9
export DISPLAY=":$(cat "$work/display")" QT_QPA_PLATFORM=xcb XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work"

# Starts the installed game, presses Play (the start window's default button), and gives the deal's
# card sound up to half a minute to show in `check`. The press is made again while nothing shows: it
# may come before the window takes keys.
play() {
  "$work/moved/bin/brivano" 2>"$work/stderr" &
  game=$!
  games+=("$game")
  for _ in $(seq 60); do
    window=$(xdotool search --onlyvisible --name '^Brivano$' | head -1 || true)
    [ -z "$window" ] || xdotool mousemove --window "$window" 200 200 key Return 2>/dev/null || true
    for _ in $(seq 10); do "$@" && return; sleep 0.05; done
  done
  return 1
}

loaded() { grep -q "$module" "/proc/$game/maps"; }
play loaded || { echo "the moved install did not load $module:"; cat "$work/stderr"; exit 1; }
kill "$game"
wait "$game" || true

if [ -e "$configured/libbrivano_media.so" ]; then
  echo "not checked: the game without its module, since $configured holds one of an earlier install"
  exit 0
fi
rm "$module"
saidWhy() { grep -q "brivano: no sound or speech: .*libbrivano_media" "$work/stderr"; }
play saidWhy || { echo "without its module the game said nothing:"; cat "$work/stderr"; exit 1; }
sleep 0.3
lines=$(grep -c "no sound or speech" "$work/stderr" || true)
[ "$lines" = 1 ] || { echo "without its module the game should say why in one line, not:"; cat "$work/stderr"; exit 1; }
echo "moved install: $module loaded at the first sound; without it: $(cat "$work/stderr")"
