#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Veltrane developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, checks formatting, builds Veltrane with its tests and benchmarks
# (warnings are errors) and runs every test,
# then builds the tests again with AddressSanitizer and UndefinedBehaviorSanitizer (in
# build-asan) and runs them all once more; then builds the .deb and checks it; last, builds
# the code without Qt for Windows (in build-mingw) and runs its tests under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."
. tools/packages.sh
# shellcheck disable=SC2086
ensure_packages $build_packages $test_packages $windows_packages
# The number tests switch to a locale whose decimal separator is a comma; here they must run.
ensure_locale de_DE.UTF-8
export VELTRANE_REQUIRE_DECIMAL_COMMA_LOCALE=1
# Java and SnakeYAML are installed above, so the tests that read files as a server must run.
export VELTRANE_REQUIRE_SERVER_READER=1
export QT_QPA_PLATFORM=offscreen

echo "== Formatting and licence headers"
bash tools/check-format.sh

echo "== Normal build"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELTRANE_BUILD_BENCHMARKS=ON \
    -DVELTRANE_WERROR=ON
cmake --build build
ctest --test-dir build --output-on-failure

echo "== Sanitizer build"
# A finding ends the test with a report; UndefinedBehaviorSanitizer's shows where it came from.
export UBSAN_OPTIONS=print_stacktrace=1
export ASAN_OPTIONS=detect_stack_use_after_return=1:check_initialization_order=1:strict_init_order=1
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVELTRANE_SANITIZE=ON -DVELTRANE_WERROR=ON
cmake --build build-asan --target domain_tests ui_tests
ctest --test-dir build-asan --output-on-failure

bash tools/check-package.sh build

echo "== Windows code under Wine"
# Debian has no Qt for Windows: MinGW-w64 builds the libraries without Qt and domain_tests,
# unoptimised since that halves the build, and ctest runs them once under the 64-bit Wine.
# The prefix lives in the build folder; creating it costs some ten seconds, once, and its
# complaint about syswow64 only says the 32-bit half of Wine is missing. No Mono or Gecko
# installer may ask on a display.
export WINEPREFIX="$PWD/build-mingw/wineprefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
cmake -S . -B build-mingw -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
    -DVELTRANE_QT_FREE_ONLY=ON
cmake --build build-mingw
[ -d "$WINEPREFIX" ] || /usr/lib/wine/wine64 wineboot --init
ctest --test-dir build-mingw --output-on-failure
