#!/usr/bin/env bash
# Builds the .deb from an existing build folder with CPack and checks it the way a
# Debian user meets it: its files, its dependencies, its maintainer scripts, the
# validators of the desktop entry and the AppStream data, lintian, and the installed
# binary starting from an unpacked tree.
set -euo pipefail
build=$(cd "$1" && pwd) version=$2

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

# Into a folder of its own, so that concurrent runs and the build folder stay apart.
(cd "$build" && cpack -G DEB -B "$work/out" --config CPackConfig.cmake >"$work/cpack.log" 2>&1) \
  || { cat "$work/cpack.log"; fail "cpack did not build the package"; }
mapfile -t debs < <(find "$work/out" -maxdepth 1 -name '*.deb')
[[ ${#debs[@]} -eq 1 ]] || fail "expected one .deb, found ${#debs[@]}"
deb=${debs[0]}
echo "built $(basename "$deb")"
# Reproducible: packaged again a moment later, the same bytes.
sleep 1
(cd "$build" && cpack -G DEB -B "$work/again" --config CPackConfig.cmake >"$work/cpack-again.log" 2>&1) \
  || { cat "$work/cpack-again.log"; fail "cpack did not build the package a second time"; }
cmp "$deb" "$work/again/$(basename "$deb")" || fail "two packagings of one build differ"

[[ "$(dpkg-deb -f "$deb" Package)" == tovu-setting-tool ]] || fail "wrong package name"
[[ "$(dpkg-deb -f "$deb" Version)" == "$version" ]] || fail "package version is not $version"

# Files.
dpkg-deb -c "$deb" | awk '{print $6}' | sed 's|^\./|/|' >"$work/files"
expected=(/usr/bin/tovu-setting-tool
          /usr/bin/tovu-settings
          /usr/share/man/man1/tovu-settings.1.gz
          /usr/share/applications/com.parvik.TovuSettingTool.desktop
          /usr/share/metainfo/com.parvik.TovuSettingTool.metainfo.xml
          /usr/lib/udev/rules.d/70-tovu-camera.rules
          /usr/share/man/man1/tovu-setting-tool.1.gz
          /usr/share/doc/tovu-setting-tool/copyright
          /usr/share/doc/tovu-setting-tool/changelog.gz)
for size in 16 22 24 32 48 64 128 256 512; do
  expected+=("/usr/share/icons/hicolor/${size}x${size}/apps/tovu-setting-tool.png")
done
for file in "${expected[@]}"; do
  grep -qx -- "$file" "$work/files" || fail "package lacks $file"
done
# Nothing of the build or the tests comes along.
if grep -E 'test_|/include/|\.a$|/tests?/' "$work/files"; then fail "package carries build or test files"; fi

# Dependencies: computed from the binary, so the libraries it links must be there.
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
# (One package name a line, versions and alternatives' bars dropped.)
names=$(tr ',|' '\n\n' <<<"$depends" | sed 's/^ *//; s/ .*//')
for package in libc6 libqt6widgets6 libqt6network6 libqt6xml6 libusb-0.1-4 libudev1 ca-certificates libssl3; do
  grep -qx -- "$package" <<<"$names" || fail "Depends lacks $package"
done

# Maintainer scripts: there, executable, and reloading udev's rules.
dpkg-deb -e "$deb" "$work/control"
for script in postinst postrm; do
  [[ -x "$work/control/$script" ]] || fail "$script missing or not executable"
  grep -q 'udevadm control --reload-rules' "$work/control/$script" || fail "$script does not reload udev rules"
  sh -n "$work/control/$script" || fail "$script is not valid sh"
done
# postinst with a stand-in udevadm on PATH: the reload and the trigger for the camera.
# It runs them only with a running udev; where there is none it must do nothing.
mkdir -p "$work/bin"
printf '#!/bin/sh\necho "$*" >>"%s/udevadm.log"\n' "$work" >"$work/bin/udevadm"
chmod 755 "$work/bin/udevadm"
PATH="$work/bin:$PATH" sh "$work/control/postinst" configure || fail "postinst configure failed"
if [[ -d /run/udev ]]; then
  grep -q '^control --reload-rules' "$work/udevadm.log" || fail "postinst did not reload the rules"
  grep -q 'trigger .*idVendor=09a1' "$work/udevadm.log" || fail "postinst did not trigger the camera"
else
  [[ ! -e "$work/udevadm.log" ]] || fail "postinst called udevadm without a running udev"
fi

# The installed files through their validators.
dpkg-deb -x "$deb" "$work/root"
desktop-file-validate "$work/root/usr/share/applications/com.parvik.TovuSettingTool.desktop" \
  || fail "desktop-file-validate"
# Pedantic, but without the network: the homepage and screenshot addresses are checked
# where they are published, not here (see the README's "Packaging" notes).
echo "appstreamcli: checks that need the network (URLs reachable, screenshot sizes) are not run here"
appstreamcli validate --pedantic --no-net --no-color \
  "$work/root/usr/share/metainfo/com.parvik.TovuSettingTool.metainfo.xml" || fail "appstreamcli validate --pedantic"
grep -q '<modalias>usb:v09A1p0201d\*</modalias>' "$work/root/usr/share/metainfo/com.parvik.TovuSettingTool.metainfo.xml" \
  || fail "metainfo does not claim the camera"
udev_rule="$work/root/usr/lib/udev/rules.d/70-tovu-camera.rules"
grep -q 'ATTR{idVendor}=="09a1", ATTR{idProduct}=="0201", TAG+="uaccess"' "$udev_rule" || fail "udev rule"
# Every icon is the size its folder says.
for size in 16 48 256; do
  info=$(file "$work/root/usr/share/icons/hicolor/${size}x${size}/apps/tovu-setting-tool.png")
  [[ "$info" == *"PNG image data, $size x $size"* ]] || fail "icon ${size}x${size}: $info"
done

# lintian: no errors and no warnings. (Its informational tags are not checked: the
# hardening ones ask for build flags the whole tree would have to be rebuilt with.)
status=0
lintian --tag-display-limit 0 --fail-on error,warning "$deb" >"$work/lintian.log" 2>&1 || status=$?
grep -v 'root privileges' "$work/lintian.log" || true
[[ $status -eq 0 ]] || fail "lintian reports errors or warnings (exit $status)"

# The unpacked binary names the package's version and prints its options in a terminal
# without any display: no window system is asked for either.
out=$(env -u QT_QPA_PLATFORM -u DISPLAY -u WAYLAND_DISPLAY LD_LIBRARY_PATH= \
      "$work/root/usr/bin/tovu-setting-tool" --version) || fail "--version without a display failed"
env -u QT_QPA_PLATFORM -u DISPLAY -u WAYLAND_DISPLAY LD_LIBRARY_PATH= \
    "$work/root/usr/bin/tovu-setting-tool" --help | grep -q -- "--virtual-camera" \
  || fail "--help without a display failed or does not list --virtual-camera"
# (The name is the translated application name, so only its first word is fixed.)
[[ "$out" == "Tovu "*" $version" ]] || fail "--version printed \"$out\""
echo "installed binary: $out"
# The command line, too, runs without any display and lists the settings.
cli=$(env -u QT_QPA_PLATFORM -u DISPLAY -u WAYLAND_DISPLAY LD_LIBRARY_PATH= \
      "$work/root/usr/bin/tovu-settings" --version) || fail "tovu-settings --version without a display failed"
[[ "$cli" == "tovu-settings $version" ]] || fail "tovu-settings --version printed \"$cli\""
cli_help=$(env -u QT_QPA_PLATFORM -u DISPLAY -u WAYLAND_DISPLAY LD_LIBRARY_PATH= \
           "$work/root/usr/bin/tovu-settings" --help) || fail "tovu-settings --help without a display failed"
grep -q -- "basic.camera_name" <<<"$cli_help" || fail "tovu-settings --help does not list the settings"
# It never loads the widgets.
if ldd "$work/root/usr/bin/tovu-settings" | grep -q libQt6Widgets; then fail "tovu-settings links QtWidgets"; fi
