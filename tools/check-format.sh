#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Veltrane developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when a tracked C++ file differs from what clang-format makes of it, or when a
# tracked file lacks its SPDX licence header. `bash tools/check-format.sh --fix` reformats.
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t sources < <(git ls-files '*.cpp' '*.h')
if [ "${1:-}" = "--fix" ]; then
    clang-format -i "${sources[@]}"
    exit 0
fi
clang-format --dry-run --Werror "${sources[@]}"
missing=$(git ls-files | grep -v -E '\.png$|^README\.md$' | while read -r file; do
    grep -q 'SPDX-License-Identifier' "$file" || echo "$file"
done)
if [ -n "$missing" ]; then
    echo "Files without an SPDX licence header:" >&2
    echo "$missing" >&2
    exit 1
fi
echo "Formatting and licence headers are in order."
