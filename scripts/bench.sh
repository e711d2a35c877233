#!/usr/bin/env bash
# Builds optimised and runs the benchmarks; the goals are in the benchmark names' comments.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DZOR06_TESTS=OFF -DCMAKE_COMPILE_WARNING_AS_ERROR=ON >/dev/null
benches=(link_bench messages_bench message_reading_bench data_view_bench data_export_bench
         data_reading_bench passport_bench iso6976_bench store_bench collect_bench)
cmake --build build-bench -j "$(nproc)" --target "${benches[@]}"
for bench in "${benches[@]}"; do
    "build-bench/bench/$bench" "$@"
done
