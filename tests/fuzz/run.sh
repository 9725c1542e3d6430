#!/usr/bin/env bash
# Builds the converter fuzz target with clang in BUILD_DIR and runs it from the committed corpus for
# ROTORIX_FUZZ_SECONDS (60 unless set). A crash, undefined behaviour, a leak, an input slower than
# 10 s or a failed check fails it and leaves the input in BUILD_DIR/findings/. Usage: run.sh BUILD_DIR
set -euo pipefail
here=$(dirname "$0") build=$1
cmake -S "$here" -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$build"
mkdir -p "$build/corpus" "$build/findings" # new inputs go to the first, the committed corpus stays
"$build/fuzz_convert" -max_total_time="${ROTORIX_FUZZ_SECONDS:-60}" -timeout=10 -max_len=8192 \
    -artifact_prefix="$build/findings/" -print_final_stats=1 "$build/corpus" "$here/corpus"
