#!/usr/bin/env bash
# The soak run: the 64-bit player plays fifty generated one-second wave files round and round
# under Wine for ten minutes (or the minutes given) while its memory, objects, CPU time and
# error boxes are sampled once a minute. Prints the series; the exit code says whether the
# memory and the counts stayed flat and no error box came up. docs/PERFORMANCE.md keeps the
# last series.
#
#   scripts/soak.sh [MINUTES]
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
minutes=${1:-10}
bash scripts/setup.sh
source scripts/wine-env.sh
cmake --preset win64 >/dev/null
nice cmake --build --preset win64 -j1 --target Sorvane winprobe
bash scripts/make-samples.sh build/win64/samples

scripts/session.sh start
nice python3 tests/bench/soak/soak.py --player build/win64/app/Sorvane.exe \
  --probe build/win64/tests/e2e/winprobe.exe --samples build/win64/samples \
  --work build/soak --minutes "$minutes"
