#!/usr/bin/env bash
# Sets everything up, builds, and starts the tool. Without a camera on the USB bus the
# tool starts with the virtual camera, so there is always something to look at.
# Extra arguments are passed to the tool (see --help).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh

camera_attached() {
  local device
  for device in /sys/bus/usb/devices/*; do
    [[ -r "$device/idVendor" && -r "$device/idProduct" ]] || continue
    if [[ "$(cat "$device/idVendor")" == "09a1" && "$(cat "$device/idProduct")" == "0201" ]]; then
      return 0
    fi
  done
  return 1
}

args=("$@")
if ! camera_attached && [[ ! " ${args[*]-} " =~ " --virtual-camera" ]]; then
  echo "No Tovu on the USB bus: starting with the virtual camera."
  args+=(--virtual-camera)
fi
exec "${TOVU_BUILD_DIR:-build}/app/tovu-setting-tool" "${args[@]}"
