#!/usr/bin/env bash
# Sets up a fresh Debian machine for Zorvy (scripts/setup.sh), builds the optimised program into
# build/release and starts it. Needs a display (DISPLAY set, or run it under xvfb-run).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/release --target zorvy
exec build/release/app/zorvy "$@"
