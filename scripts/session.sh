#!/usr/bin/env bash
# Starts or stops what the Windows programs run in: an X server (an Xvfb on the first free
# display, recorded in build/session/display; or the display SORVANE_DISPLAY names), a PulseAudio daemon with a null sink (so audio devices play in real time)
# and the Wine session. The Wine session is started with its output sent elsewhere, so no
# service process of Wine holds the pipes of whoever runs the tests.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/wine-env.sh"
mkdir -p "$SORVANE_SESSION/pulse"

display_up() { [ -n "${DISPLAY:-}" ] && xdpyinfo -display "$DISPLAY" >/dev/null 2>&1; }

# Xvfb picks a free display itself and writes its number to descriptor 3 once it is ready.
start_x() {
  display_up && return 0
  if [ -n "${SORVANE_DISPLAY:-}" ]; then
    echo "session: the display $SORVANE_DISPLAY is not there" >&2
    return 1
  fi
  local number="$SORVANE_SESSION/display-number"
  rm -f "$number" "$SORVANE_SESSION/display"
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$number" </dev/null \
    >"$SORVANE_SESSION/xvfb.log" 2>&1 &
  echo $! >"$SORVANE_SESSION/xvfb.pid"
  for _ in $(seq 100); do
    if [ -s "$number" ]; then
      export DISPLAY=":$(tr -d '\n' <"$number")"
      echo "$DISPLAY" >"$SORVANE_SESSION/display"
      display_up && return 0
    fi
    sleep 0.1
  done
  echo "session: the X server did not start (see $SORVANE_SESSION/xvfb.log)" >&2
  return 1
}

start_pulse() {
  [ -S "$SORVANE_SESSION/pulse/native" ] && pactl info >/dev/null 2>&1 && return 0
  rm -f "$SORVANE_SESSION/pulse/native"
  HOME="$SORVANE_SESSION" XDG_RUNTIME_DIR="$SORVANE_SESSION/pulse" pulseaudio -n --daemonize=yes \
    --exit-idle-time=-1 --use-pid-file=no --log-target=file:"$SORVANE_SESSION/pulse.log" \
    --load="module-null-sink sink_name=nullsink" \
    --load="module-native-protocol-unix socket=$SORVANE_SESSION/pulse/native auth-anonymous=1" \
    </dev/null >/dev/null 2>&1 || true
  for _ in $(seq 50); do pactl info >/dev/null 2>&1 && return 0; sleep 0.1; done
  echo "session: PulseAudio did not start; audio devices will not play in real time" >&2
}

start_wine() {
  wineserver -p </dev/null >/dev/null 2>&1 || true
  wine cmd /c exit </dev/null >/dev/null 2>&1 || true
}

stop_all() {
  wineserver -k </dev/null >/dev/null 2>&1 || true
  pactl exit >/dev/null 2>&1 || true
  if [ -f "$SORVANE_SESSION/xvfb.pid" ]; then
    kill "$(cat "$SORVANE_SESSION/xvfb.pid")" 2>/dev/null || true
    rm -f "$SORVANE_SESSION/xvfb.pid" "$SORVANE_SESSION/display" "$SORVANE_SESSION/display-number"
  fi
}

case "${1:-start}" in
start) start_x && start_pulse && { [ ! -d "$WINEPREFIX" ] || start_wine; } ;;
stop) stop_all ;;
*) echo "usage: $0 start|stop" >&2; exit 2 ;;
esac
