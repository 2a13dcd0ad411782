#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds with address and undefined-behaviour sanitizers and runs
# every test: core, windows (offscreen) and end-to-end; then builds the Debian package and checks
# it (tools/check-package.sh); then runs each fuzz target for a short fixed time
# (MOONRILL_FUZZ_SECONDS, 20 by default) over its seeds and its kept findings.
# Exits non-zero on any failure.
#   ./test.sh              the whole run
#   ./test.sh --valgrind   and the core tests once more under valgrind, without sanitizers
#   ./test.sh --tidy       and clang-tidy over every source file (a few minutes)
set -euo pipefail
cd "$(dirname "$0")"
valgrind=false tidy=false
for argument in "$@"; do
    case $argument in
    --valgrind) valgrind=true ;;
    --tidy) tidy=true ;;
    *) echo "usage: ./test.sh [--valgrind] [--tidy]" >&2; exit 2 ;;
    esac
done
source tools/ensure-packages.sh
ensure_packages "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}"
# Keywords of files must read alike under a locale whose capital of "i" is not "I".
ensure_locale tr_TR.UTF-8
$valgrind && ensure_packages valgrind
$tidy && ensure_packages clang-tidy-14 clang-tools-14

build=build-test
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMOONRILL_SANITIZE=ON \
      -DMOONRILL_TESTS=ON -DMOONRILL_BENCH=ON >/dev/null
cmake --build "$build" -j"$(nproc)"

export QT_QPA_PLATFORM=offscreen
# A stand-in systemctl, so that switching the daily scan on in a test never reaches the user's
# own service manager.
export PATH="$PWD/tests/support/fake-bin:$PATH"
# The single-instance locks live in the runtime folder: the tests get one of their own.
XDG_RUNTIME_DIR=$(mktemp -d)
export XDG_RUNTIME_DIR
trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0:strict_string_checks=1
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
ctest --test-dir "$build" --output-on-failure -j"$(nproc)" --timeout 180

tools/check-package.sh
tools/run-fuzzers.sh "${MOONRILL_FUZZ_SECONDS:-20}"

if $valgrind; then
    # The plain code's tests, without sanitizers, under valgrind's memory checker.
    core_tests=(core_tests scan_tests platform_tests mail_link_tests help_file_tests
                print_layout_tests version_check_tests)
    cmake -S . -B build-valgrind -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMOONRILL_SANITIZE=OFF \
          -DMOONRILL_TESTS=ON >/dev/null
    cmake --build build-valgrind -j"$(nproc)" --target "${core_tests[@]}"
    for test in "${core_tests[@]}"; do
        echo "valgrind: $test"
        valgrind --quiet --error-exitcode=1 --leak-check=full --errors-for-leak-kinds=definite \
                 "build-valgrind/bin/$test" --gtest_brief=1
    done
fi
$tidy && tools/run-clang-tidy.sh "$build"
echo "test.sh: all passed"
