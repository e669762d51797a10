#!/usr/bin/env bash
# An install moved to a prefix other than the one it was configured for: its program, started under a
# private X server, must load the sound and speech module of that install at its first card sound (the
# deal after Play); without the module it plays on silently and says why in one line.
#   moved_install.sh CMAKE BUILD_DIR CONFIGURED_MODULE_DIR
set -euo pipefail
source "$(dirname "$0")/../support/xvfb.sh"
cmake=$1 build=$2 configured=$3
work=$(mktemp -d)
games=() xvfb=
# Games first: an X server gone before them makes them abort.
trap 'kill "${games[@]}" $xvfb 2>/dev/null || true; rm -rf "$work"' EXIT
"$cmake" --install "$build" --prefix "$work/moved" >/dev/null
module=$(find "$work/moved" -name 'libbrivano_media.so')
[ -n "$module" ] || { echo "the install holds no sound and speech module"; exit 1; }
start_xvfb "$work"
export QT_QPA_PLATFORM=xcb XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work"

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
