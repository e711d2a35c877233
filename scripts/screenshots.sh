#!/usr/bin/env bash
# Renders the main screens against the demonstration controller into docs/screens/ (offscreen).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh
cmake --build build -j "$(nproc)" --target zor06-screenshots
QT_QPA_PLATFORM=offscreen build/tools/zor06-screenshots/zor06-screenshots docs/screens 2> >(grep -v propagateSizeHints >&2)
ls docs/screens
