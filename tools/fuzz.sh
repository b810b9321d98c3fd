#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Veltrane developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the libFuzzer targets with Clang, AddressSanitizer and UBSan (in build-fuzz) and runs
# each for a bounded time. Usage: bash tools/fuzz.sh [seconds per target, default 60]
# A finding stops its target with a report and a crash-* file in build-fuzz/findings; run the
# target on that file to see it again. The corpus grows in build-fuzz/corpus between runs.
set -euo pipefail
cd "$(dirname "$0")/.."
. tools/packages.sh
# shellcheck disable=SC2086
ensure_packages $build_packages $fuzz_packages
seconds="${1:-60}"

CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DBUILD_TESTING=OFF -DVELTRANE_BUILD_FUZZERS=ON
cmake --build build-fuzz --target parse_number_fuzzer split_lines_fuzzer

export UBSAN_OPTIONS=print_stacktrace=1
status=0
for target in parse_number split_lines; do
    corpus="build-fuzz/corpus/$target"
    findings="build-fuzz/findings/$target/"
    mkdir -p "$corpus" "$findings"
    echo "== $target, $seconds seconds"
    "build-fuzz/fuzz/${target}_fuzzer" -max_total_time="$seconds" -dict="fuzz/$target.dict" \
        -artifact_prefix="$findings" -print_final_stats=1 "$corpus" || status=1
done
exit $status
