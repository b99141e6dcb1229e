#!/usr/bin/env bash
# Configures and builds into ./build (Ninja), on every core or on INTERCLUB_JOBS of them.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
cmake --build build --parallel "${INTERCLUB_JOBS:-$(nproc)}"
