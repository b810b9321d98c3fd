#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Veltrane developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds Veltrane with its tests and benchmarks, runs every test,
# then builds the .deb and checks it.
set -euo pipefail
cd "$(dirname "$0")/.."
. tools/packages.sh
# shellcheck disable=SC2086
ensure_packages $build_packages $test_packages

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELTRANE_BUILD_BENCHMARKS=ON
cmake --build build
QT_QPA_PLATFORM=offscreen ctest --test-dir build --output-on-failure
bash tools/check-package.sh build
