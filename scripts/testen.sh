#!/usr/bin/env bash
# Installs what is missing, builds and runs every test, on every core or on INTERCLUB_JOBS of them.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/vereisten.sh
bash scripts/bouwen.sh -DINTERCLUB_TESTS=ON -DINTERCLUB_BENCH=ON
cd build
QT_QPA_PLATFORM=offscreen ctest --output-on-failure --parallel "${INTERCLUB_JOBS:-$(nproc)}" "$@"
