#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for the given number of seconds
# (default 60) on its seed corpus. A crash fails the run.
set -euo pipefail
source "$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/setup.sh"
install_missing clang libclang-rt-14-dev

seconds="${1:-60}"
dir="$KERNCRAFT_ROOT/build/fuzz"
if [ ! -f "$dir/build.ninja" ]; then
    cmake -S "$KERNCRAFT_ROOT" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DCMAKE_CXX_COMPILER=clang++ -DKERNCRAFT_BUILD_FUZZ=ON \
        -DKERNCRAFT_BUILD_TESTS=OFF -DKERNCRAFT_BUILD_BENCH=OFF >/dev/null
fi
targets=$(cd "$KERNCRAFT_ROOT/fuzz" && ls -d */ 2>/dev/null | sed 's#/##' || true)
for t in $targets; do
    [ -f "$KERNCRAFT_ROOT/fuzz/$t/CMakeLists.txt" ] || continue
    cmake --build "$dir" --target "${t}_fuzzer" --parallel "$(nproc)"
    corpus="$dir/corpus-$t"
    mkdir -p "$corpus"
    echo "-- fuzzing $t for ${seconds}s"
    ASAN_OPTIONS=detect_leaks=0 "$dir/fuzz/$t/${t}_fuzzer" -max_total_time="$seconds" \
        -max_len=65536 -rss_limit_mb=2048 "$corpus" "$KERNCRAFT_ROOT/fuzz/$t/seeds"
done
