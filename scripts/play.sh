#!/usr/bin/env bash
# Installs what is missing, builds the release preset and starts the game.
# Arguments are passed to the game, e.g. scripts/play.sh --seed 7
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh build
cmake --preset release >/dev/null
cmake --build --preset release
exec build/release/bin/vexel "$@"
