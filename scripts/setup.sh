#!/usr/bin/env bash
# Installs what building and testing Velmora needs on Debian 12, then configures
# and builds. As root it installs the missing packages itself; otherwise it prints
# the one apt-get line to run.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(
  build-essential cmake ninja-build pkg-config
  libgtest-dev libbenchmark-dev ngspice
  qt6-base-dev qt6-svg-dev libgl-dev
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
  clang libclang-rt-14-dev
  xvfb xauth fonts-dejavu-core fonts-liberation2 poppler-utils
  locales
  dpkg-dev appstream desktop-file-utils shared-mime-info
  emscripten chromium nodejs
)
# npm for the page's test driver, unless the node in use brings its own.
command -v npm >/dev/null || packages+=(npm)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  if [ "$(id -u)" = 0 ]; then
    echo "setup: installing ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
  else
    echo "setup: these Debian packages are missing; install them with:"
    echo "  sudo apt-get install --no-install-recommends ${missing[*]}"
    exit 1
  fi
fi

# A comma-decimal locale, for the tests that prove numbers ignore the locale.
if ! locale -a 2>/dev/null | grep -qi '^ru_RU\.utf-\?8$'; then
  if [ "$(id -u)" = 0 ]; then
    sed -i 's/^# *\(ru_RU.UTF-8 UTF-8\)/\1/' /etc/locale.gen
    grep -q '^ru_RU.UTF-8 UTF-8' /etc/locale.gen || echo 'ru_RU.UTF-8 UTF-8' >> /etc/locale.gen
    locale-gen >/dev/null
  else
    echo "setup: the locale ru_RU.UTF-8 is missing (the locale tests will fail); as root run locale-gen"
  fi
fi

preset="${1:-default}"
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset"
