#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Tallyard developers
# SPDX-License-Identifier: MIT

# Builds the libFuzzer targets with clang and the address and undefined-behaviour sanitizers
# and runs each for a while (default 30 s) from its committed seeds, as many at once as
# there are cores. An input that crashes a target or breaks one of its checks fails the run;
# libFuzzer leaves it in the work folder as crash-*, to be added to fuzz/corpus/<target>/
# with the fix.
#   scripts/fuzz.sh [seconds per target] [build folder] [target...]
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
seconds=${1:-30}
build=${2:-build/fuzz}
shift $(( $# > 2 ? 2 : $# ))
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  mapfile -t targets < <(sed -n 's/^ *tallyard_fuzz(\([a-z_]*\) .*/\1/p' fuzz/CMakeLists.txt)
fi

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
  -DTALLYARD_FUZZ=ON -DTALLYARD_SANITIZE=ON -DTALLYARD_BENCHMARKS=OFF -DTALLYARD_TOOLS=OFF \
  -DBUILD_TESTING=OFF >/dev/null
cmake --build "$build" -j "$(nproc)" --target "${targets[@]}"
build=$(cd "$build" && pwd)

work=$(mktemp -d /tmp/tallyard-fuzz.XXXXXX)
fuzz_one() {
  local target=$1
  mkdir -p "$work/$target/corpus"
  # New inputs go to the work folder; the committed seeds are only read.
  if (cd "$work/$target" && QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0 \
        "$build/bin/$target" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=2048 -print_final_stats=1 corpus "$root/fuzz/corpus/$target" \
        >"$work/$target/log" 2>&1); then
    echo "== $target, $seconds s: $(grep -E '^stat::(number_of_executed_units|peak_rss_mb)' "$work/$target/log" | tr '\n' ' ')($(find "$work/$target/corpus" -type f | wc -l) new inputs)"
  else
    echo "== $target, $seconds s:"
    tail -40 "$work/$target/log"
    echo "!! $target found an input that fails; kept in $work/$target"
    return 1
  fi
}
status=0
running=0
for target in "${targets[@]}"; do
  if [ $running -ge "$(nproc)" ]; then
    wait -n || status=1
    running=$((running - 1))
  fi
  fuzz_one "$target" &
  running=$((running + 1))
done
while [ $running -gt 0 ]; do
  wait -n || status=1
  running=$((running - 1))
done
[ $status -eq 0 ] && rm -rf "$work"
exit $status
