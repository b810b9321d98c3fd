#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Veltrane developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Refreshes docs/screenshots/ from a configured build folder (default: build): every window
# at scale 1, and again at scale 2 in docs/screenshots/2x/.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
cmake --build "$build" --target veltrane_screenshots
QT_QPA_PLATFORM=offscreen "$build/tools/screenshots/veltrane_screenshots" docs/screenshots
QT_QPA_PLATFORM=offscreen QT_SCALE_FACTOR=2 "$build/tools/screenshots/veltrane_screenshots" docs/screenshots/2x
