#!/usr/bin/env bash
# Builds optimised and runs the benchmarks; the goals are in the benchmark names' comments.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DZOR06_TESTS=OFF -DCMAKE_COMPILE_WARNING_AS_ERROR=ON >/dev/null
cmake --build build-bench -j "$(nproc)" --target link_bench messages_bench message_reading_bench data_export_bench
build-bench/bench/link_bench "$@"
build-bench/bench/messages_bench "$@"
build-bench/bench/data_export_bench "$@"
