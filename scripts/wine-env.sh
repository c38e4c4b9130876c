# The environment every Wine run of the project shares; sourced by the other scripts.
# The prefix lives in the checkout; the locale makes the ANSI code page 932 (Shift_JIS).
SORVANE_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export SORVANE_ROOT
export WINEPREFIX="$SORVANE_ROOT/.wine"
export WINEARCH=win64
export WINEDEBUG=-all
export WINEDLLOVERRIDES="winemenubuilder.exe=d;mscoree=d;mshtml=d"
export LANG=ja_JP.UTF-8
export LC_ALL=ja_JP.UTF-8
export SORVANE_SESSION="$SORVANE_ROOT/build/session"
# The display: the one asked for (SORVANE_DISPLAY), else the one the session's X server took.
if [ -n "${SORVANE_DISPLAY:-}" ]; then
  export DISPLAY="$SORVANE_DISPLAY"
elif [ -f "$SORVANE_SESSION/display" ]; then
  DISPLAY=$(cat "$SORVANE_SESSION/display")
  export DISPLAY
fi
export PULSE_SERVER="unix:$SORVANE_SESSION/pulse/native"
