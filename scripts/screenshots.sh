#!/usr/bin/env bash
# Renders the main screens against the demonstration controller into docs/screens/ (offscreen).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh
QT_QPA_PLATFORM=offscreen build/src/app/zor06 --demo --screenshots docs/screens 2> >(grep -v propagateSizeHints >&2)
ls docs/screens
