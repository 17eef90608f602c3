#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test headless.
# BUILD_DIR and extra CMake options (CMAKE_OPTIONS) select another build,
# such as the sanitizer build of .ci/run.
set -euo pipefail
cd "$(dirname "$0")"
tools/ensure-packages.sh
build=${BUILD_DIR:-build}
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo ${CMAKE_OPTIONS:-} >/dev/null
cmake --build "$build" -j"$(nproc)"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$build" --output-on-failure -j"$(nproc)"
