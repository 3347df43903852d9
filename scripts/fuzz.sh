#!/usr/bin/env bash
# Builds the fuzz targets for libFuzzer with AddressSanitizer and UndefinedBehaviorSanitizer
# (clang, the libraries instrumented too) into ./build-fuzz and runs one target for SECONDS
# on its corpus and dictionary. New inputs go to fuzz/crashes/TARGET/corpus (the committed
# corpus stays as it is); an input that crashes is written to fuzz/crashes/TARGET/.
#   scripts/fuzz.sh TARGET SECONDS     TARGET: packet exchange manifest settings picture
set -euo pipefail
cd "$(dirname "$0")/.."
if [[ $# -ne 2 ]]; then
  echo "usage: $0 TARGET SECONDS" >&2
  exit 2
fi
target="$1"
seconds="$2"
[[ -d "fuzz/corpus/$target" ]] || { echo "no fuzz target $target" >&2; exit 2; }

missing=()
command -v clang++ >/dev/null || missing+=(clang)
ls /usr/lib/llvm-*/lib/clang/*/lib/linux/libclang_rt.fuzzer-x86_64.a >/dev/null 2>&1 || missing+=(libclang-rt-14-dev)
if [[ ${#missing[@]} -gt 0 ]]; then
  sudo=""
  [[ "$(id -u)" -ne 0 ]] && sudo="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update -qq
  $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

build_dir="${TOVU_FUZZ_BUILD_DIR:-build-fuzz}"
# The strict build with gcc is the warnings' gate; clang's own extra warnings are not.
cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_C_COMPILER=clang \
      -DCMAKE_CXX_COMPILER=clang++ -DTOVU_FUZZ=ON -DTOVU_WERROR=OFF -DBUILD_TESTING=OFF >/dev/null
cmake --build "$build_dir" --target "fuzz_$target"

crashes="fuzz/crashes/$target"
mkdir -p "$crashes/corpus"
dict=()
[[ -f "fuzz/dict/$target.dict" ]] && dict=(-dict="fuzz/dict/$target.dict")
export QT_QPA_PLATFORM=offscreen
# The settings target writes a file per input: in memory, a run is not held up by the disk.
[[ -w /dev/shm ]] && export TMPDIR=/dev/shm
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"
exec "$build_dir/fuzz/fuzz_$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
     -artifact_prefix="$crashes/" -print_final_stats=1 "${dict[@]}" "$crashes/corpus" "fuzz/corpus/$target"
