#!/usr/bin/env bash
# Installs what is missing, builds the game and starts it.
source "$(dirname "$0")/common.sh"
install_missing
build build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBRIVANO_TESTS=OFF
exec build/bin/brivano
