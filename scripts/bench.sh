#!/usr/bin/env bash
# The benchmark command: builds what it measures, then prints the figures of the portable core
# (form reading, string lists, the object model) and of the player under Wine beside the
# floors measured in the same run. docs/PERFORMANCE.md keeps the last results.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
bash scripts/setup.sh
source scripts/wine-env.sh
for preset in host win64 win32; do
  cmake --preset "$preset" >/dev/null
done
cmake --build --preset host --target lists_bench model_bench forms_bench
cmake --build --preset win64 --target Sorvane floor_window floor_player winprobe
cmake --build --preset win32 --target Sorvane

echo "== the portable core (host)"
for bench in lists/lists_bench model/model_bench forms/forms_bench; do
  "build/host/tests/bench/$bench"
done

echo "== the player under Wine (64-bit build)"
trap 'scripts/session.sh stop' EXIT
scripts/session.sh start
python3 tests/bench/desktop/desktop.py --player build/win64/app/Sorvane.exe \
  --floor-window build/win64/tests/bench/floor/floor_window.exe \
  --floor-player build/win64/tests/bench/floor/floor_player.exe \
  --probe build/win64/tests/e2e/winprobe.exe --work build/bench \
  --exe32 build/win32/app/Sorvane.exe
