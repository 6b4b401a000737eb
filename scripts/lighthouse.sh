#!/usr/bin/env bash
# Lighthouse's mobile audit of the page as `./run.sh web` serves it (gzip, cache
# headers), with the system's Chromium: performance, accessibility, best practices and
# SEO, printed and kept in build-web/web/lighthouse.json. Not part of ./test.sh: the
# scores are figures for the README, not assertions. Lighthouse 12 is pinned (later
# ones need a newer node) and installed apart from the page's test driver.
set -euo pipefail
cd "$(dirname "$0")/.."

site=build-web/web/site
[ -f "$site/engine.js" ] || scripts/setup.sh web
tools=build-web/lighthouse
if [ ! -x "$tools/node_modules/.bin/lighthouse" ]; then
  mkdir -p "$tools"
  npm install --prefix "$tools" --no-audit --no-fund --loglevel=error lighthouse@12.8.2
fi

port="${1:-8931}"
node web/test/serve.js "$site" "$port" >/dev/null &
server=$!
trap 'kill "$server"' EXIT
for _ in $(seq 50); do (echo >"/dev/tcp/127.0.0.1/$port") 2>/dev/null && break; sleep 0.1; done

out=build-web/web/lighthouse.json
CHROME_PATH=/usr/bin/chromium "$tools/node_modules/.bin/lighthouse" "http://127.0.0.1:$port/" \
  --chrome-flags="--headless=new --no-sandbox --disable-dev-shm-usage" \
  --only-categories=performance,accessibility,best-practices,seo \
  --output=json --output-path="$out" --quiet
node -e '
  const r = require(process.argv[1]);
  const score = (c) => Math.round(r.categories[c].score * 100);
  const audit = (a) => r.audits[a].displayValue;
  console.log(`lighthouse ${r.lighthouseVersion} (mobile): performance ${score("performance")}, ` +
              `accessibility ${score("accessibility")}, best practices ${score("best-practices")}, seo ${score("seo")}`);
  console.log(`  FCP ${audit("first-contentful-paint")}, LCP ${audit("largest-contentful-paint")}, ` +
              `TBT ${audit("total-blocking-time")}, CLS ${audit("cumulative-layout-shift")}, SI ${audit("speed-index")}`);
  for (const c of ["performance", "accessibility", "best-practices", "seo"])
    for (const ref of r.categories[c].auditRefs) {
      const a = r.audits[ref.id];
      if (ref.weight > 0 && a.score !== null && a.score < 0.9) console.log(`  ${c}: ${a.id} ${a.score} ${a.displayValue || ""}`);
    }
' "$(pwd)/$out"
