#!/usr/bin/env bash
# Builds everything and runs every test twice: in a normal build, and again
# in a build with AddressSanitizer and UndefinedBehaviorSanitizer. The normal
# build is also packaged for Debian and the package checked.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh

cmake --preset release
cmake --build --preset release
ctest --preset release
# The Debian package of that build, unpacked and checked, not installed.
tests/package/check_deb.sh build/release

cmake --preset sanitize
cmake --build --preset sanitize
ctest --preset sanitize

# The libFuzzer targets need clang; each runs briefly under the sanitizers.
cmake --preset libfuzzer
cmake --build --preset libfuzzer
ctest --preset libfuzzer
