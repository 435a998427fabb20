#!/usr/bin/env bash
# Builds the .scp byte fuzzer with clang's libFuzzer and runs it.
#   run_fuzzer.sh SOURCE_DIR WORK_DIR SECONDS
# The corpus and any crashing input are kept in WORK_DIR. Exits 77, which
# CTest counts as skipped, when clang++ is not installed.
set -euo pipefail
readonly source_dir=$1 work_dir=$2 seconds=$3

if ! command -v clang++ >/dev/null; then
    echo "clang++ is not installed: fuzzer skipped"
    exit 77
fi
mkdir -p "$work_dir/corpus"
clang++ -std=c++20 -O1 -g -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all \
    -I "$source_dir/src" \
    "$source_dir/tests/core/files/script_bytes_fuzzer.cpp" \
    "$source_dir/src/core/files/windows_1252.cpp" \
    "$source_dir/src/core/files/line_breaks.cpp" \
    -o "$work_dir/script_bytes_fuzzer"
# libFuzzer's own failure code is 77, the code for skipped: a failure must fail.
exec "$work_dir/script_bytes_fuzzer" -max_total_time="$seconds" -error_exitcode=1 -timeout_exitcode=1 \
    -artifact_prefix="$work_dir/" "$work_dir/corpus"
