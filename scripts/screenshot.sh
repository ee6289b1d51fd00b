#!/usr/bin/env bash
# Regenerates docs/screenshot.png and docs/stability.png: builds the
# program, types a design into it on an X server of its own, photographs the
# window with the drawing, then the stability check of that design.
# PITWRIGHT_BUILD_DIR chooses the build folder (build/release by default).
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh

build=${PITWRIGHT_BUILD_DIR:-build/release}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" --target pitwright
mkdir -p docs
tests/e2e/draw_design_in_xvfb.sh "$build/src/ui/qt/pitwright" docs/screenshot.png \
    docs/stability.png
echo "Wrote docs/screenshot.png and docs/stability.png"
