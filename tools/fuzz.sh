#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for a bounded time (seconds, default 45).
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-45}
build=${BUILD_DIR:-build-fuzz}
CC=clang CXX=clang++ cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCORVANE_BUILD_UI=OFF -DCORVANE_BUILD_TESTS=OFF -DCORVANE_BUILD_FUZZ=ON -DCORVANE_WERROR=ON
cmake --build "$build" --parallel "$(nproc)"
shopt -s nullglob
for fuzzer in "$build"/fuzz/*/fuzz_*; do
    [ -x "$fuzzer" ] || continue
    name=$(basename "$fuzzer")
    corpus="$build/corpus/$name"
    mkdir -p "$corpus"
    seeds=()
    [ -d "fuzz/seeds/$name" ] && seeds=("fuzz/seeds/$name")
    max_len=16384
    [ "$name" = fuzz_loader ] && max_len=1048576  # the loader reads files up to 1 MiB
    timeout=10
    # A count and a pattern that grow into texts of up to 256 KB: slower runs, short inputs.
    [ "$name" = fuzz_server_depth ] && max_len=64 && timeout=60
    echo "== $name for ${seconds}s"
    "$fuzzer" -max_total_time="$seconds" -max_len="$max_len" -timeout="$timeout" -print_final_stats=1 "$corpus" "${seeds[@]}" \
        2>&1 | tail -n 12
done
