#!/usr/bin/env bash
# Installs what is missing, builds the game and runs every test headless:
# once as built for play, once under AddressSanitizer and UndefinedBehaviorSanitizer.
source "$(dirname "$0")/common.sh"
install_missing pulseaudio pulseaudio-utils xvfb xdotool
export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
jobs=$(nproc)

echo "== Build and test"
# play.sh builds the same folder without tests: ask for them, and fail if none are found.
build build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBRIVANO_TESTS=ON
(cd build && ctest --no-tests=error --output-on-failure -j"$jobs")

echo "== Build and test with AddressSanitizer and UndefinedBehaviorSanitizer"
build build-sanitize -DCMAKE_BUILD_TYPE=Debug -DBRIVANO_SANITIZE=ON -DBRIVANO_TESTS=ON
export ASAN_OPTIONS="abort_on_error=1:detect_leaks=1"
export LSAN_OPTIONS="suppressions=$PWD/scripts/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
(cd build-sanitize && ctest --no-tests=error --output-on-failure -j"$jobs")
