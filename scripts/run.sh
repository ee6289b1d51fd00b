#!/usr/bin/env bash
# Builds Pitwright and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh

cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build/release --target pitwright
exec build/release/src/ui/qt/pitwright "$@"
