#!/usr/bin/env bash
# Takes the README's screenshots of both layouts and of the practice calendar under a virtual X server:
#   xvfb-run -a -s "-screen 0 1280x800x24" scripts/screenshots.sh BUILD_DIR
# Needs xdotool and imagemagick (apt-get install xdotool imagemagick).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/release}
export XDG_CONFIG_HOME=$(mktemp -d) XDG_RUNTIME_DIR=$(mktemp -d)
mkdir -p "$XDG_CONFIG_HOME/Norv"
# A chart layout of a pleasant size at a known place.
cat > "$XDG_CONFIG_HOME/Norv/Norv2.conf" <<'CONF'
[Frame]
Point=40:40
CONF
"$build/Norv2" --no-splash "$PWD/samples/たろう.ｷﾛｸ" &
viewer=$!
trap 'kill $viewer 2>/dev/null || true' EXIT
window=""
for _ in $(seq 50); do
  window=$(xdotool search --onlyvisible --name '^Norv' 2>/dev/null | head -n 1) && [ -n "$window" ] && break
  sleep 0.2
done
sleep 1
shot() {
  # No window manager runs here: cut the window out of the whole screen.
  eval "$(xdotool getwindowgeometry --shell "$window")"
  import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$1"
}
shot docs/compact-layout.png
xdotool windowfocus --sync "$window" key --clearmodifiers alt+c a
sleep 1
xdotool windowfocus --sync "$window" key --clearmodifiers alt+c w
sleep 1
xdotool mousemove --window "$window" 500 250
sleep 1
shot docs/chart-layout.png
# The practice calendar, a year back from the one of today.
xdotool windowfocus --sync "$window" key --clearmodifiers ctrl+l
sleep 1
window=$(xdotool search --onlyvisible --name 'の練習カレンダー$' | head -n 1)
xdotool windowfocus --sync "$window" key --clearmodifiers Prior Prior
sleep 1
shot docs/calendar.png
