#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Veltrane developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the .deb from a configured build folder (default: build), validates the launcher
# and the metainfo it carries, and checks its contents and dependencies.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}

desktop-file-validate "$build/share/org.veltrane.Veltrane.desktop"
appstreamcli validate --no-net "$build/share/org.veltrane.Veltrane.metainfo.xml"

rm -rf "$build/package"
(cd "$build" && cpack -G DEB -B package >/dev/null)
deb=$(ls "$build"/package/veltrane_*.deb)
echo "Built $deb"

contents=$(dpkg-deb -c "$deb")
for path in ./usr/bin/veltrane \
    ./usr/share/applications/org.veltrane.Veltrane.desktop \
    ./usr/share/metainfo/org.veltrane.Veltrane.metainfo.xml \
    ./usr/share/icons/hicolor/scalable/apps/org.veltrane.Veltrane.svg \
    ./usr/share/doc/veltrane/copyright; do
    grep -q " $path\$" <<<"$contents" || { echo "missing from the package: $path" >&2; exit 1; }
done
if grep -E ' \./usr/(lib|include)/' <<<"$contents"; then
    echo "the package carries libraries or headers" >&2
    exit 1
fi

depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for dependency in libqt6widgets6 qt6-qpa-plugins fonts-noto-cjk; do
    grep -q "$dependency" <<<"$depends" || { echo "the package does not depend on $dependency" >&2; exit 1; }
done
section=$(dpkg-deb -f "$deb" Section)
[ "$section" = utils ] || { echo "the package's section is $section, not utils" >&2; exit 1; }
echo "Package checks passed."
