#!/usr/bin/env bash
# An optimised build of the programs and the passport templates in build/.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZOR06_TESTS=OFF -DCMAKE_COMPILE_WARNING_AS_ERROR=ON >/dev/null
cmake --build build -j "$(nproc)" --target zor06 zor06-sim zor06ctl passport_templates
