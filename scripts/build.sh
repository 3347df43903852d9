#!/usr/bin/env bash
# Configures and builds the tool and its tests into ./build (or $TOVU_BUILD_DIR).
# Release by default: debug information makes the Qt-heavy build about half again as slow.
# TOVU_BUILD_TYPE=RelWithDebInfo (or Debug) for a build to debug in.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir="${TOVU_BUILD_DIR:-build}"
# TOVU_WERROR=ON (as CI sets it) fails the build on any warning of the tool's own code.
cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE="${TOVU_BUILD_TYPE:-Release}" \
      -DTOVU_WERROR="${TOVU_WERROR:-OFF}" >/dev/null
cmake --build "$build_dir" --parallel "$(nproc)"
