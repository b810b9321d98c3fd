# SPDX-FileCopyrightText: 2026 Veltrane developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the set-up scripts: installs the Debian packages of a list that are missing.

build_packages="cmake ninja-build g++ pkg-config qt6-base-dev libgl-dev fonts-noto-cjk"
test_packages="clang-format libgtest-dev libyaml-cpp-dev libbenchmark-dev locales desktop-file-utils appstream dpkg-dev file default-jre-headless libyaml-snake-java qt6-translations-l10n"
fuzz_packages="clang"
# The cross compiler and the 64-bit Wine that run the Qt-free code as Windows programs.
windows_packages="g++-mingw-w64-x86-64-posix mingw-w64 wine64"

ensure_packages() {
    local missing=()
    local package
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
            missing+=("$package")
    done
    if [ ${#missing[@]} -eq 0 ]; then
        echo "All needed packages are installed."
        return
    fi
    echo "Installing: ${missing[*]}"
    if [ "$(id -u)" -ne 0 ]; then
        echo "Run this script as root (or with sudo) to install them." >&2
        exit 1
    fi
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -q
    apt-get install -y -q --no-install-recommends "${missing[@]}"
}

# Generates a locale of the locales package, such as de_DE.UTF-8, unless it exists.
ensure_locale() {
    local name="$1"
    local charset="${name#*.}"
    local listed="${name%.*}.$(echo "$charset" | tr -d '-' | tr '[:upper:]' '[:lower:]')"
    if locale -a 2>/dev/null | grep -qx "$listed"; then
        return
    fi
    echo "Generating the locale $name"
    if [ "$(id -u)" -ne 0 ]; then
        echo "Run this script as root (or with sudo) to generate it." >&2
        exit 1
    fi
    grep -qx "$name $charset" /etc/locale.gen 2>/dev/null || echo "$name $charset" >>/etc/locale.gen
    locale-gen
}
