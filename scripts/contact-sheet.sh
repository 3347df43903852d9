#!/usr/bin/env bash
# Renders a review sheet of all the tool's pictures: three window mock-ups built from
# them, and each picture at its size (small ones also enlarged) with its resource path.
# Usage: scripts/contact-sheet.sh [output.png]   (default: build/contact-sheet.png)
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir="${TOVU_BUILD_DIR:-build}"
output="${1:-$build_dir/contact-sheet.png}"
cmake -S . -B "$build_dir" -G Ninja >/dev/null
cmake --build "$build_dir" --target tovu_artwork >/dev/null
QT_QPA_PLATFORM=offscreen "$build_dir/resources/tovu_artwork" --sheet "$output"
echo "$output"
