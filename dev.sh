#!/usr/bin/env bash
# Installs what Defwright needs on Debian 12, builds it, and then starts it,
# runs every test, runs the benchmarks or makes the Debian package.
#   ./dev.sh run      build and start the program
#   ./dev.sh test     build with warnings as errors and run every test
#   ./dev.sh bench    build and run the benchmarks (see docs/performance.md)
#   ./dev.sh package  make a Release build and the .deb in build/package/
#   ./dev.sh windows  cross-build the core and its tests for 64-bit Windows
#                     in build-windows/ and run the tests under Wine
#   ./dev.sh sanitize build with AddressSanitizer and UBSan in build-sanitize/
#                     and run every test there, leaks counted as failures
set -euo pipefail
cd "$(dirname "$0")"

readonly packages=(cmake make g++ clang libclang-rt-dev qt6-base-dev qt6-base-private-dev qt6-qpa-plugins libgtest-dev
                   libgmock-dev libbenchmark-dev libqscintilla2-qt6-dev fonts-dejavu-core dpkg-dev file
                   desktop-file-utils shared-mime-info)
# What the Windows cross-build needs: MinGW-w64 with posix threads (for
# std::thread and std::mutex), Wine to run the tests, GoogleTest's sources.
readonly windows_packages=(cmake make g++-mingw-w64-x86-64-posix wine wine64 googletest)

# Installs the packages named, or else the ones to build and test the program.
install_missing() {
    local wanted=("$@") missing=() package
    [ $# -eq 0 ] && wanted=("${packages[@]}")
    for package in "${wanted[@]}"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'ok installed' \
            || missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local line="apt-get install -y --no-install-recommends ${missing[*]}"
    if [ "$(id -u)" -ne 0 ]; then
        echo "Defwright needs packages that are not installed. Run as root:" >&2
        echo "  apt-get update && $line" >&2
        exit 1
    fi
    apt-get update
    DEBIAN_FRONTEND=noninteractive $line
}

build() {
    cmake -S . -B build "$@"
    cmake --build build --parallel "$(nproc)"
}

# Every report fails: the build's own tools and every test stop at the first
# fault, and a leak at exit fails the program that leaked. Leaks inside the
# system's libraries are listed, each with its reason, in the suppressions.
sanitize() {
    export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0:detect_stack_use_after_return=1:strict_init_order=1
    export LSAN_OPTIONS="suppressions=$PWD/tests/sanitizer/lsan.supp:print_suppressions=0"
    export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
    local flags="-O1 -g -fno-omit-frame-pointer -fsanitize=address,undefined -fno-sanitize-recover=all"
    cmake -S . -B build-sanitize -DDEFWRIGHT_WERROR=ON -DCMAKE_BUILD_TYPE=Debug \
        -DCMAKE_CXX_FLAGS="$flags" -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined"
    cmake --build build-sanitize --parallel "$(nproc)"
    # The fuzzers build themselves with clang and both sanitizers in every run,
    # and the package check reads no memory of ours: neither needs running twice.
    ctest --test-dir build-sanitize --output-on-failure --parallel "$(nproc)" -E '_fuzzer$|^package_test$'
}

case "${1:-}" in
run)
    install_missing
    build -DDEFWRIGHT_WERROR=OFF
    exec ./build/app/defwright
    ;;
test)
    install_missing
    build -DDEFWRIGHT_WERROR=ON
    ctest --test-dir build --output-on-failure --parallel "$(nproc)"
    ;;
bench)
    install_missing
    build -DDEFWRIGHT_WERROR=OFF
    ./build/bench/defwright_bench
    QT_QPA_PLATFORM=offscreen ./build/bench/defwright_window_bench
    QT_QPA_PLATFORM=offscreen ./build/bench/defwright_tied_bench
    QT_QPA_PLATFORM=offscreen ./build/bench/defwright_inspector_bench
    QT_QPA_PLATFORM=offscreen ./build/bench/defwright_file_bench
    ./build/bench/defwright_document_bench
    ./build/bench/defwright_index_bench
    ./build/bench/defwright_language_bench
    QT_QPA_PLATFORM=offscreen ./build/bench/defwright_index_window_bench
    QT_QPA_PLATFORM=offscreen ./build/bench/defwright_folder_window_bench
    QT_QPA_PLATFORM=offscreen ./build/bench/defwright_soak_bench
    ;;
package)
    install_missing
    # Leaves the warning setting as the last build had it, so that build is reused.
    build -DCMAKE_BUILD_TYPE=Release
    rm -f build/package/*.deb
    cpack --config build/CPackConfig.cmake -B build/package
    ls build/package/*.deb
    ;;
windows)
    install_missing "${windows_packages[@]}"
    cmake -S . -B build-windows -DDEFWRIGHT_CORE_ONLY=ON -DDEFWRIGHT_WERROR=ON \
          -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake
    cmake --build build-windows --parallel "$(nproc)"
    ctest --test-dir build-windows --output-on-failure --parallel "$(nproc)"
    ;;
sanitize)
    install_missing
    sanitize
    ;;
*)
    echo "usage: $0 run | test | bench | package | windows | sanitize" >&2
    exit 2
    ;;
esac
