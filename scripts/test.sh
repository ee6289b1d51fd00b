#!/usr/bin/env bash
# Builds everything and runs every test twice: in a normal build, and again
# in a build with AddressSanitizer and UndefinedBehaviorSanitizer. The normal
# build is also packaged for Debian and the package checked.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh

cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build/release
ctest --test-dir build/release --output-on-failure
# The Debian package of that build, unpacked and checked, not installed.
tests/package/check_deb.sh build/release

cmake -S . -B build/sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug \
    -DPITWRIGHT_SANITIZE=ON -DPITWRIGHT_BUILD_BENCH=OFF
cmake --build build/sanitize
ctest --test-dir build/sanitize --output-on-failure

# The libFuzzer targets need clang; each runs briefly under the sanitizers.
cmake -S . -B build/libfuzzer -G Ninja -DCMAKE_CXX_COMPILER=clang++ \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPITWRIGHT_BUILD_QT=OFF -DPITWRIGHT_BUILD_BENCH=OFF \
    -DPITWRIGHT_LIBFUZZER=ON -DPITWRIGHT_SANITIZE=ON
cmake --build build/libfuzzer --target pitwright_libfuzzer_targets
ctest --test-dir build/libfuzzer -L libfuzzer --output-on-failure
