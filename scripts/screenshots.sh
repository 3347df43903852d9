#!/usr/bin/env bash
# Pictures of the main window under Xvfb: without a camera and with each model, in
# English and Japanese, and the desktop icon beside the window icon. Written to
# ./screenshots/ (or the folder given).
set -euo pipefail
cd "$(dirname "$0")/.."
out="${1:-screenshots}"
scripts/setup.sh --test
# A Japanese font, so the Japanese pictures show text rather than empty boxes.
if ! dpkg-query -W -f='${Status}' fonts-ipafont-gothic 2>/dev/null | grep -q "install ok installed"; then
  sudo=""
  [[ "$(id -u)" -ne 0 ]] && sudo="sudo"
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends fonts-ipafont-gothic
fi
build_dir="${TOVU_BUILD_DIR:-build}"
cmake -S . -B "$build_dir" -G Ninja >/dev/null
cmake --build "$build_dir" --target tovu_screenshots
mkdir -p "$out"
for language in en ja; do
  QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1024x768x24" \
    "$build_dir/tools/screenshots/tovu_screenshots" "$out" "$language"
done
# The desktop entry's icon (48 and 256 px, as installed) beside the window's own icon.
cmake --build "$build_dir" --target tovu_artwork
icons=$(mktemp -d)
QT_QPA_PLATFORM=offscreen "$build_dir/resources/tovu_artwork" --icons "$icons" --icon-review "$out/desktop-icon.png"
rm -rf "$icons"
