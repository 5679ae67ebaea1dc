#!/usr/bin/env bash
# Runs a command on its own session bus with the accessibility bus started, as on a desktop
# with a screen reader running: Qt then reports to assistive technology from the start.
#   scripts/with-accessibility-bus.sh COMMAND [ARGS...]
set -euo pipefail

if [[ -z "${NORV2_ON_SESSION_BUS:-}" ]]; then
  NORV2_ON_SESSION_BUS=1 exec dbus-run-session -- "$0" "$@"
fi
# Asking for its address starts the accessibility bus, before the program looks for it.
dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress >/dev/null
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
exec "$@"
