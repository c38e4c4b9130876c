#!/usr/bin/env bash
# The benchmark command: builds what it measures, runs the portable core's benchmarks (form
# reading, string lists, the object model), then measures the player under Wine beside the
# floors built in the same run, and prints one table of figures with their ratios (also kept in
# build/bench/figures.md). docs/PERFORMANCE.md keeps the last results and what they mean.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
bash scripts/setup.sh
source scripts/wine-env.sh
for preset in host-bench win64 win32; do
  cmake --preset "$preset" >/dev/null
done
nice cmake --build --preset host-bench -j1 --target lists_bench model_bench forms_bench
nice cmake --build --preset win64 -j1 --target Sorvane floor_window floor_player winprobe
nice cmake --build --preset win32 -j1 --target Sorvane

mkdir -p build/bench
host=build/bench/host.txt
echo "== the portable core (host, optimised; the form benchmark three times, the others once)"
{
  build/host-bench/tests/bench/lists/lists_bench
  build/host-bench/tests/bench/model/model_bench
  for _ in 1 2 3; do build/host-bench/tests/bench/forms/forms_bench; done
} | tee "$host"

echo "== the player under Wine (64-bit build) beside its floors"
# The session is stopped at the end only when this command started it.
if ! { [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; }; then
  trap 'scripts/session.sh stop' EXIT
fi
scripts/session.sh start
source scripts/wine-env.sh
python3 tests/bench/desktop/desktop.py --player build/win64/app/Sorvane.exe \
  --floor-window build/win64/tests/bench/floor/floor_window.exe \
  --floor-player build/win64/tests/bench/floor/floor_player.exe \
  --probe build/win64/tests/e2e/winprobe.exe --work build/bench \
  --exe32 build/win32/app/Sorvane.exe --host "$host" | tee build/bench/figures.md
