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

openbox_log=$(mktemp)
ready=$(mktemp -u)
# openbox runs its start-up command once it is ready to manage windows; the mark it
# sets on the root window comes earlier, before it handles a window's first request.
openbox --sm-disable --startup "touch $ready" >"$openbox_log" 2>&1 &
openbox=$!
trap 'kill "$openbox" "$xvfb" 2>/dev/null || true; wait 2>/dev/null || true; rm -f "$openbox_log" "$ready"' EXIT

# On a busy machine that may take a while: wait as long as openbox runs (the caller's
# time limit still holds).
until [ -e "$ready" ]; do
  if ! kill -0 "$openbox" 2>/dev/null; then
    status=0
    wait "$openbox" || status=$?
    echo "openbox did not start (exit status $status):" >&2
    cat "$openbox_log" >&2
    exit 1
  fi
  sleep 0.05
done

export QT_QPA_PLATFORM=xcb
# No session bus: libdbus would otherwise start one of its own for this display.
export DBUS_SESSION_BUS_ADDRESS=disabled:
"$@"
