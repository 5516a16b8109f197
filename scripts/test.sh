#!/usr/bin/env bash
# Sets up the machine, builds Zorvy with AddressSanitizer and UndefinedBehaviorSanitizer, and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build/test -G Ninja -DZORVY_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g1" -DCMAKE_C_FLAGS_DEBUG="-O1 -g1" >/dev/null
cmake --build build/test
ctest --test-dir build/test --output-on-failure -j "$(nproc)"
