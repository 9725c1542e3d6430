#!/usr/bin/env bash
# Builds the converters' plain code with clang under libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer (which stops the run like a crash) into BUILD_DIR, and runs it from the
# committed corpus for ROTORIX_FUZZ_SECONDS (60 unless set). A crash, undefined behaviour, a leak, an
# input slower than 10 s or a failed check fails it and leaves the input in BUILD_DIR/findings/.
# Usage: run.sh BUILD_DIR
set -euo pipefail
here=$(dirname "$0") build=$1
src=$here/../../src
# New inputs go to the first corpus; the committed one stays as it is.
mkdir -p "$build/corpus" "$build/findings"
clang++ -std=c++20 -O1 -g -fPIC -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all -I"$src" \
    $(pkg-config --cflags Qt6Core) -o "$build/fuzz_convert" "$here/fuzz_convert.cpp" \
    "$src"/convert/{texttonumber,conversions}.cpp "$src"/numbers/{numberformat,amount}.cpp \
    $(pkg-config --libs Qt6Core)
"$build/fuzz_convert" -max_total_time="${ROTORIX_FUZZ_SECONDS:-60}" -timeout=10 -max_len=8192 \
    -artifact_prefix="$build/findings/" -print_final_stats=1 "$build/corpus" "$here/corpus"
