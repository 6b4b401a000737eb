#!/usr/bin/env bash
# Sets everything up on Debian 12 and runs the whole test suite: the normal build
# (the Release type at -O3, as a packager builds it, so no optimiser-only warning comes
# back unnoticed), then the same suite under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")"

export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
chmod 700 "$XDG_RUNTIME_DIR"
jobs="$(nproc)"

scripts/setup.sh default
ctest --preset default -j "$jobs"

# The page: the WebAssembly build in headless Chromium, against this build's CLI.
scripts/web.sh

scripts/setup.sh asan
ASAN_OPTIONS=detect_leaks=1 LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp" \
UBSAN_OPTIONS=print_stacktrace=1 ctest --preset asan -j "$jobs"
scripts/fuzz.sh 12
