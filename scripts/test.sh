#!/usr/bin/env bash
# Sets everything up, builds, and runs the whole test suite (unit, gui and e2e tests).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh --test
scripts/build.sh
cd "${TOVU_BUILD_DIR:-build}"
ctest --output-on-failure --parallel 2 "$@"
