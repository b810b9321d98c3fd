#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Veltrane developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds Veltrane and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
. tools/packages.sh
headless=false
[ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ] && headless=true
# shellcheck disable=SC2086
if $headless; then ensure_packages $build_packages xvfb xauth; else ensure_packages $build_packages; fi

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build --target veltrane
if $headless; then
    echo "No display found: starting Veltrane on a virtual X server (xvfb-run)."
    exec xvfb-run -a build/src/veltrane
fi
exec build/src/veltrane
