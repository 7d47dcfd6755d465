#!/usr/bin/env bash
# Builds Korval's benchmarks (the ci preset, into build-ci/) and runs every one of them,
# or those whose program name contains the first argument (bash scripts/bench.sh Pdf).
# Each figure is a ratio against a baseline timed in the same run: read "ratio" against
# "goal". Run it on an otherwise idle machine; the figures follow its load.
set -euo pipefail
cd "$(dirname "$0")/.."
filter="${1:-}"
cmake --preset ci >/dev/null
mapfile -t targets < <(cmake --build build-ci --target help | sed -n 's/^\(korval_bench_[A-Za-z]*Bench\):.*/\1/p')
cmake --build build-ci -j "$(nproc)" --target "${targets[@]}"
for target in "${targets[@]}"; do
    [[ -z "$filter" || "$target" == *"$filter"* ]] || continue
    echo "== $target"
    "build-ci/bin/$target" --benchmark_counters_tabular=true
done
