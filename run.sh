#!/usr/bin/env bash
# Sets everything up on Debian 12, builds Velmora and starts it. On a machine
# without a display it says so and prints the default design from velmora-cli.
set -euo pipefail
cd "$(dirname "$0")"

# `./run.sh web [port]`: the page, built and served on 127.0.0.1.
if [ "${1:-}" = web ]; then
  scripts/setup.sh web
  exec node web/test/serve.js build-web/web/site "${2:-8080}"
fi

scripts/setup.sh default
if [ ! -x build/ui/velmora ]; then
  echo "run: the window is not built yet; the default design from velmora-cli:"
  echo
  exec build/cli/velmora-cli --data data
fi
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "run: no display here (DISPLAY and WAYLAND_DISPLAY are unset);"
  echo "run: the default design from velmora-cli instead:"
  echo
  exec build/cli/velmora-cli --data data
fi
exec build/ui/velmora "$@"
