#!/usr/bin/env bash
# Installs the Debian 12 packages the tool needs. With --test also what the test suite
# uses (umockdev for the real-libusb tests, tinyproxy, Xvfb, openssl, weston and Qt's
# Wayland platform, and what the package test builds and checks the .deb with).
set -euo pipefail

packages=(build-essential cmake ninja-build pkg-config
          qt6-base-dev qt6-base-dev-tools qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools
          libgl-dev libusb-dev libudev-dev libssl-dev libfontconfig-dev fonts-dejavu-core)
if [[ "${1:-}" == "--test" ]]; then
  packages+=(umockdev libumockdev-dev tinyproxy xvfb xauth openssl
             dpkg-dev file lintian desktop-file-utils appstream
             weston qt6-wayland)
fi

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
if [[ "$(id -u)" -ne 0 ]]; then
  sudo="sudo"
fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
