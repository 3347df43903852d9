#!/usr/bin/env bash
# Builds the tool and its whole test suite with AddressSanitizer and
# UndefinedBehaviorSanitizer into ./build-sanitize (or $TOVU_SANITIZE_DIR) and runs the
# tests there: a bad memory access, a leak or undefined behaviour fails the test that
# caused it, at the first report. Extra arguments are passed to ctest (for example -L unit).
#
# -O1 -g1 keeps the build about as fast as the ordinary one while the reports still name
# file and line. The Debug configuration keeps Q_ASSERT on, so the worker's thread checks
# run too. As in CI's ordinary build, a warning of the tool's own code fails the build.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh --test
build_dir="${TOVU_SANITIZE_DIR:-build-sanitize}"
sanitizers="-fsanitize=address,undefined -fno-sanitize-recover=all"
cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTOVU_WERROR=ON \
      -DCMAKE_CXX_FLAGS="$sanitizers -fno-omit-frame-pointer" -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g1" \
      -DCMAKE_EXE_LINKER_FLAGS="$sanitizers" -DCMAKE_SHARED_LINKER_FLAGS="$sanitizers" >/dev/null
cmake --build "$build_dir" --parallel "$(nproc)"

# verify_asan_link_order=0: the libusb backend test runs under umockdev-wrapper, whose
# preloaded library comes before the sanitizer's runtime; that order is harmless here.
export ASAN_OPTIONS="halt_on_error=1:abort_on_error=1:detect_leaks=1:check_initialization_order=1:strict_init_order=1:detect_stack_use_after_return=1:verify_asan_link_order=0"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
# Leaks in other projects' libraries are not the tool's (see the file).
export LSAN_OPTIONS="suppressions=$PWD/scripts/lsan-suppressions.txt:print_suppressions=0"
cd "$build_dir"
# The package tests check the .deb built from the ordinary build, not code: not here.
ctest --output-on-failure --parallel 2 --label-exclude package "$@"
