#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Veltrane developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Start-up of Veltrane to its first painted frame against the floor (a bare window of the same
# size with one Chinese label in the same font): runs both in turn N times, and prints the
# medians of CPU time (user + sys) and peak RSS, and their ratios.
# Usage: tools/startup-ratio.sh [runs] [build folder]   (defaults: 21, build)
# VELTRANE_BIN and FLOOR_BIN override the two programs, e.g. to measure an older build.
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-21}
build=${2:-build}
veltrane=${VELTRANE_BIN:-$build/src/veltrane}
floor=${FLOOR_BIN:-$build/tools/startup-floor/veltrane_startup_floor}
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
export VELTRANE_QUIT_AFTER_FIRST_FRAME=1

results=$(mktemp -d)
trap 'rm -rf "$results"' EXIT
# The child's own rusage, to the microsecond: /usr/bin/time rounds to 10 ms.
measure() { # program, file to append "cpu-seconds peak-kilobytes" to
    python3 - "$1" >>"$2" <<'PY'
import os, sys
pid = os.fork()
if pid == 0:
    fd = os.open(os.devnull, os.O_WRONLY)
    os.dup2(fd, 1)
    os.dup2(fd, 2)
    os.execv(sys.argv[1], [sys.argv[1]])
_, status, usage = os.wait4(pid, 0)
if os.waitstatus_to_exitcode(status) != 0:
    sys.exit(f"{sys.argv[1]} failed")
print(f"{usage.ru_utime + usage.ru_stime:.4f} {usage.ru_maxrss}")
PY
}
# One run of each first, so that both start with the libraries and fonts in the page cache.
measure "$veltrane" /dev/null
measure "$floor" /dev/null
for ((i = 0; i < runs; ++i)); do
    # Alternating which goes first, so that neither always runs in the other's wake.
    if ((i % 2 == 0)); then
        measure "$veltrane" "$results/veltrane"
        measure "$floor" "$results/floor"
    else
        measure "$floor" "$results/floor"
        measure "$veltrane" "$results/veltrane"
    fi
done
median() { # column, file
    cut -d' ' -f"$1" "$2" | sort -g | awk '{ v[NR] = $1 } END {
        print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}
vc=$(median 1 "$results/veltrane") fc=$(median 1 "$results/floor")
vm=$(median 2 "$results/veltrane") fm=$(median 2 "$results/floor")
awk -v runs="$runs" -v vc="$vc" -v fc="$fc" -v vm="$vm" -v fm="$fm" 'BEGIN {
    printf "medians of %d paired runs       Veltrane      floor   ratio\n", runs
    printf "CPU to first frame (user+sys)  %7.4f s  %7.4f s   %.2f\n", vc, fc, vc / fc
    printf "peak RSS                       %7.1f MB %7.1f MB  %.2f\n", vm / 1024, fm / 1024, vm / fm
}'
