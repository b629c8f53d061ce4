#!/usr/bin/env bash
# Measures the time from process start to the contents screen shown and idle,
# next to the same figure for an empty Qt window started the same way.
# Usage: bench/run_startup.sh [runs] [platform]   (defaults: 20, offscreen)
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-20}
export QT_QPA_PLATFORM=${2:-offscreen}
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build -j"$(nproc)" --target bench_startup >/dev/null
bin=build/bench/bench_startup

median_ms() {
  local times=()
  for _ in $(seq "$runs"); do
    local start end
    start=$(date +%s%N)
    "$bin" "$@" >/dev/null 2>&1
    end=$(date +%s%N)
    times+=($(( (end - start) / 1000 )))
  done
  printf '%s\n' "${times[@]}" | sort -n | awk '{a[NR]=$1} END {m=a[int((NR+1)/2)]; printf "%.1f ms (median of %d runs)\n", m/1000, NR}'
}

"$bin" --empty >/dev/null 2>&1 # warm the file cache once
echo "empty Qt window:        $(median_ms --empty)"
echo "Kazerumi contents idle: $(median_ms)"
