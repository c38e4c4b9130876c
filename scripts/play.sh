#!/usr/bin/env bash
# Sets up whatever is missing, builds the 64-bit player and starts it under Wine in a
# virtual desktop (so its windows have real frames), in a folder of sample media so that
# the open dialog starts there. Uses the current X display, or a private Xvfb without one.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"

# The player shows on the user's display; without one, on the session's own Xvfb.
if [ -n "${DISPLAY:-}" ]; then
  export SORVANE_DISPLAY=$DISPLAY
fi
bash scripts/setup.sh
source scripts/wine-env.sh
cmake --preset win64 >/dev/null
# Only the player and what it stands on; scripts/test.sh builds the tests.
cmake --build --preset win64 -j "$(nproc)" --target Sorvane

player=build/win64/app/Sorvane.exe

bash scripts/make-samples.sh "$root/samples"
scripts/session.sh start
cd "$root/samples"
exec wine explorer /desktop=Sorvane,1024x768 "$root/$player"
