#!/usr/bin/env bash
# run_fuzzer.sh SOURCE_DIR WORK_DIR SECONDS FUZZER_SOURCE CORE_SOURCE... [-- OPTION...]
# Builds a libFuzzer target with clang from sources under SOURCE_DIR and runs it,
# keeping the corpus and any crashing input in WORK_DIR. Exits 77, which CTest
# counts as skipped, when clang++ is not installed.
set -euo pipefail
readonly source_dir=$1 work_dir=$2 seconds=$3 fuzzer_source=$4
shift 4
sources=()
# Sources are relative to SOURCE_DIR, but for generated ones, given whole.
while [ $# -gt 0 ] && [ "$1" != "--" ]; do
    case $1 in
    /*) sources+=("$1") ;;
    *) sources+=("$source_dir/$1") ;;
    esac
    shift
done
[ $# -gt 0 ] && shift # the "--"

if ! command -v clang++ >/dev/null; then
    echo "clang++ is not installed: fuzzer skipped"
    exit 77
fi
mkdir -p "$work_dir/corpus"
clang++ -std=c++20 -O1 -g -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all \
    -I "$source_dir/src" -I "$source_dir/tests/core" "$source_dir/$fuzzer_source" "${sources[@]}" -o "$work_dir/fuzzer"
# libFuzzer's own failure code is 77, the code for skipped: a failure must fail.
exec "$work_dir/fuzzer" -max_total_time="$seconds" -error_exitcode=1 -timeout_exitcode=1 \
    -artifact_prefix="$work_dir/" "$@" "$work_dir/corpus"
