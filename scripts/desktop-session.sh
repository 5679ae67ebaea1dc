#!/usr/bin/env bash
# Runs a command on a private X server with a window manager, as on a user's desktop:
#   scripts/desktop-session.sh COMMAND [ARGS...]
# Xvfb picks a free display; the command starts once openbox manages the screen, and
# both go away with it. The command's exit status is the script's.
set -euo pipefail

geometry=${NORV2_SCREEN:-1280x1024x24}
fifo=$(mktemp -u)
mkfifo "$fifo"
Xvfb -displayfd 3 -screen 0 "$geometry" -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
xvfb=$!
read -r display <"$fifo"
rm -f "$fifo"
export DISPLAY=":$display"

openbox --sm-disable >/dev/null 2>&1 &
openbox=$!
trap 'kill "$openbox" "$xvfb" 2>/dev/null || true; wait 2>/dev/null || true' EXIT

# A window manager announces itself on the root window.
for _ in $(seq 200); do
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
  sleep 0.05
done
xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id' || { echo "openbox did not start" >&2; exit 1; }

export QT_QPA_PLATFORM=xcb
# No session bus: libdbus would otherwise start one of its own for this display.
export DBUS_SESSION_BUS_ADDRESS=disabled:
"$@"
