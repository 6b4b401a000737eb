#!/usr/bin/env bash
# The page (build-web/web/site): builds it with emscripten and drives it in the
# system's headless Chromium against velmora-cli of the default build (which
# ./test.sh has built before). puppeteer-core comes from npm into web/node_modules;
# no browser is downloaded.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh web
if [ ! -d web/node_modules/puppeteer-core ] || [ ! -d web/node_modules/axe-core ]; then
  (cd web && npm ci --no-audit --no-fund --loglevel=error)
fi
node web/test/page_test.js build-web/web/site build/cli/velmora-cli data build-web/web
echo "web: screenshots in build-web/web/desktop.png, phone.png and dark.png"
