#!/usr/bin/env bash
# Installs what is missing, builds, installs into the application folder and starts the program.
# The application folder (default ~/Interclub, or $INTERCLUB_MAP) keeps the user's database:
# a rebuild or a clean of ./build never touches it, and an existing database is never overwritten.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/vereisten.sh
bash scripts/bouwen.sh -DINTERCLUB_TESTS=OFF -DINTERCLUB_BENCH=OFF
map="${INTERCLUB_MAP:-$HOME/Interclub}"
cmake --install build --prefix "$map" >/dev/null
echo "Programma geïnstalleerd in $map"
exec "$map/interclub" "$@"
