#!/usr/bin/env bash
# The tool under a Wayland compositor (weston, headless): it runs on the Wayland platform,
# gives the desktop entry's id as its app_id, and connects to the virtual camera.
set -euo pipefail
tool=$1
fail() { echo "FAIL: $*" >&2; [[ -f "${work:-}/tool.log" ]] && grep -v 'wl_\|xdg_\|zwp_\|wp_' "$work/tool.log" >&2; exit 1; }
command -v weston >/dev/null || fail "weston is not installed (scripts/setup.sh --test installs it)"

work=$(mktemp -d)
weston_pid="" tool_pid=""
cleanup() {
  [[ -n "$tool_pid" ]] && kill "$tool_pid" 2>/dev/null || true
  [[ -n "$weston_pid" ]] && kill "$weston_pid" 2>/dev/null || true
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
export XDG_RUNTIME_DIR="$work/run" HOME="$work/home" XDG_DATA_HOME="$work/home/data" XDG_CONFIG_HOME="$work/home/config"
mkdir -p -m 700 "$XDG_RUNTIME_DIR"
mkdir -p "$HOME"

weston --backend=headless-backend.so --socket=tovu-test --idle-time=0 --no-config >"$work/weston.log" 2>&1 &
weston_pid=$!
for _ in $(seq 100); do [[ -S "$XDG_RUNTIME_DIR/tovu-test" ]] && break; sleep 0.1; done
[[ -S "$XDG_RUNTIME_DIR/tovu-test" ]] || { cat "$work/weston.log" >&2; fail "weston did not start"; }

# No X display to fall back to: the window can only come up on Wayland.
# A start-up error (another copy of the tool holds the machine-wide instance lock) is
# printed, not shown in a box that would wait for a click.
env -u DISPLAY QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY=tovu-test WAYLAND_DEBUG=client TOVU_TEST_MESSAGES_TO_STDERR=1 \
  "$tool" --virtual-camera >"$work/tool.log" 2>&1 &
tool_pid=$!
# Up to 45 s: a loaded machine or a sanitizer build starts slowly.
for _ in $(seq 450); do
  grep -q 'camera connected, model 0' "$work/tool.log" && break
  kill -0 "$tool_pid" 2>/dev/null || fail "the tool ended before it connected"
  sleep 0.1
done
grep -q 'camera connected, model 0' "$work/tool.log" || fail "the tool did not connect to the virtual camera"
grep -q 'xdg_toplevel@[0-9]*\.set_app_id("com.parvik.TovuSettingTool")' "$work/tool.log" \
  || fail "the window's app_id is not the desktop entry's id"
kill -0 "$tool_pid" 2>/dev/null || fail "the tool did not keep running"
echo "the tool runs on Wayland as com.parvik.TovuSettingTool and connected to the virtual camera"
