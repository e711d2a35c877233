#!/usr/bin/env bash
# The whole test suite: the fuzz target for a bounded number of runs, then unit, simulator,
# screen and end-to-end tests under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
scripts/check-layers.sh

jobs=$(nproc)
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DZOR06_TESTS=OFF -DZOR06_BENCH=OFF -DZOR06_GUI=OFF -DZOR06_FUZZ=ON
cmake --build build-fuzz -j "$jobs" --target reply_receiver_fuzz
(cd build-fuzz && ctest --output-on-failure)

cmake -S . -B build-test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DZOR06_SANITIZE=ON -DZOR06_BENCH=OFF
cmake --build build-test -j "$jobs"
(cd build-test && ctest --output-on-failure -j "$jobs" --timeout 300)
