#!/usr/bin/env bash
# The whole test suite: the fuzz targets for a bounded time, then unit, simulator, screen and
# end-to-end tests under AddressSanitizer and UndefinedBehaviorSanitizer; before them a Release
# build with GCC and its Debian package. Warnings are errors in all three (CMakePresets.json).
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
scripts/check-layers.sh

jobs=$(nproc)
cmake --preset fuzz
cmake --build build-fuzz -j "$jobs" --target fuzz_targets
# Each target runs for a fixed time on one core, so they share the cores.
(cd build-fuzz && ctest --output-on-failure -j "$jobs")

# What a user's optimised build meets: GCC at -O3 warns about things the test build never sees.
cmake --preset release
cmake --build build-release -j "$jobs"
# The Debian package of that build, and what it must hold.
rm -f build-release/zor06_*.deb
(cd build-release && cpack -G DEB)
scripts/check-package.sh build-release

# The test build is optimised a little (-Og): code that compiles only unoptimised, as a metatype
# declared after its first use in a Qt test, then fails here and not in a user's Release build.
cmake --preset test
cmake --build build-test -j "$jobs"
# The store's tests run against PostgreSQL too, in a throwaway server of their own.
scripts/with-postgres.sh ctest --test-dir build-test --output-on-failure -j "$jobs" --timeout 300

