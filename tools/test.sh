#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Veltrane developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, checks formatting, builds Veltrane with its tests and benchmarks
# (warnings are errors) and runs every test,
# then builds the tests again with AddressSanitizer and UndefinedBehaviorSanitizer (in
# build-asan) and runs them all once more; last, builds the .deb and checks it.
set -euo pipefail
cd "$(dirname "$0")/.."
. tools/packages.sh
# shellcheck disable=SC2086
ensure_packages $build_packages $test_packages
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
