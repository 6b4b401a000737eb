// The page as a kept application, in headless Chromium: the first paint and layout shift
// of a phone on a slow network, the phone's page height, axe-core in each state, a share
// link, recalculation while typing, installability, offline at any address, the update
// offer, and the print layout. Called by page_test.js with its check() and cliJson().
'use strict';
const assert = require('assert/strict');
const { execFileSync } = require('child_process');
const fs = require('fs');
const os = require('os');
const path = require('path');
const { serve } = require('./serve');

const AXE = require.resolve('axe-core/axe.min.js');
const PHONE = { width: 390, height: 844, isMobile: true, hasTouch: true, deviceScaleFactor: 2 };
const ready = (page) => page.waitForFunction(() => window.velmoraPage && window.velmoraPage.firstResult !== null,
  { timeout: 30000 });
const pause = (ms) => new Promise((r) => setTimeout(r, ms));
// A user's click: the control scrolled clear of the results bar first.
async function tap(page, selector) {
  await page.$eval(selector, (el) => el.scrollIntoView({ block: 'center' }));
  await page.click(selector);
}

// The fields the page shows, inputs and results.
function fieldsOf(page) {
  return page.evaluate(() => {
    const f = {};
    document.querySelectorAll('[data-field]').forEach((el) => {
      f[el.dataset.field] = el.type === 'checkbox' ? String(el.checked) : el.tagName === 'OUTPUT' ? el.textContent : el.value;
    });
    f.core = document.querySelector('input[name=core]:checked').value;
    return f;
  });
}

async function axeViolations(page) {
  if (!(await page.evaluate(() => !!window.axe))) await page.addScriptTag({ path: AXE });
  // From the top of the page: the results bar stays at the bottom of the screen, and what
  // it covers at the moment is not what axe should judge.
  await page.evaluate(() => window.scrollTo(0, 0));
  // Target size (24 px, WCAG 2.2) is not among axe's default rules: asked for too.
  const res = await page.evaluate(() => window.axe.run(document,
    { resultTypes: ['violations'], rules: { 'target-size': { enabled: true } } }));
  return res.violations.map((v) => `${v.id} (${v.nodes.length}: ${v.nodes.slice(0, 3).map((n) => n.target.join(' ')).join(', ')})`);
}

// A phone on a slow network (CPU 4x, 150 ms, 1.6 Mbit/s): the page's layout and words
// are painted before the engine has loaded, and the results arriving shift nothing.
async function slowPhone(browser, url) {
  const ctx = await browser.createBrowserContext();
  const page = await ctx.newPage();
  await page.setViewport(PHONE);
  const cdp = await page.target().createCDPSession();
  await cdp.send('Network.enable');
  await cdp.send('Network.emulateNetworkConditions',
    { offline: false, latency: 150, downloadThroughput: 1.6e6 / 8, uploadThroughput: 750e3 / 8 });
  await cdp.send('Emulation.setCPUThrottlingRate', { rate: 4 });
  await page.evaluateOnNewDocument(() => {
    window.__cls = 0;
    new PerformanceObserver((list) => {
      for (const e of list.getEntries()) if (!e.hadRecentInput) window.__cls += e.value;
    }).observe({ type: 'layout-shift', buffered: true });
    // What the page shows at the moment the engine's script has arrived (the page runs
    // it only when a call needs it; a worker starts the engine meanwhile).
    new PerformanceObserver((list) => {
      if (window.__beforeEngine || !list.getEntries().some((e) => /engine\.js$/.test(e.name))) return;
      const b = document.getElementById('calculate');
      window.__beforeEngine = { loading: !document.body.hasAttribute('data-building') && document.body.dataset.loading === '1',
                                button: b ? b.textContent : '', labels: document.querySelectorAll('.label').length };
    }).observe({ type: 'resource' });
  });
  const t0 = Date.now();
  await page.goto(url);
  await ready(page);
  await pause(500);
  const got = await page.evaluate(() => {
    const fcp = performance.getEntriesByName('first-contentful-paint')[0];
    const engine = performance.getEntriesByType('resource').find((r) => r.name.endsWith('engine.js'));
    return { cls: window.__cls, before: window.__beforeEngine, fcp: fcp ? fcp.startTime : null,
             engineEnd: engine ? engine.responseEnd : null, engineBytes: engine ? engine.transferSize : null,
             result: window.velmoraPage.firstResult, engineRan: typeof window.createVelmora === 'function' };
  });
  got.wall = Date.now() - t0;
  await ctx.close();
  return got;
}

async function run({ browser, url, site, out, check, cliJson }) {
  const figures = {};

  // ---- loading -----------------------------------------------------------------------
  const slow = await slowPhone(browser, url);
  figures.cls = slow.cls;
  check('slow phone: the layout and its words paint before the engine has loaded', () => {
    assert.ok(slow.before && slow.before.loading, JSON.stringify(slow.before));
    assert.ok(slow.before.button.length > 0 && slow.before.labels > 50, JSON.stringify(slow.before));
    assert.ok(slow.fcp < slow.engineEnd, `first paint ${slow.fcp} ms, engine loaded ${slow.engineEnd} ms`);
  });
  check('slow phone: the engine comes compressed', () => assert.ok(slow.engineBytes < 400e3, `${slow.engineBytes}`));
  // The worker calculated the first result: the engine's script has not run on the page's thread.
  check('slow phone: no engine started on the page while loading', () => assert.equal(slow.engineRan, false));
  check('slow phone: layout shift while loading at most 0.05', () => assert.ok(slow.cls <= 0.05, `${slow.cls}`));
  console.log(`web: slow phone: first paint ${slow.fcp.toFixed(0)} ms, engine loaded ${slow.engineEnd.toFixed(0)} ms, ` +
              `first result ${slow.result.toFixed(0)} ms, layout shift ${slow.cls.toFixed(3)}`);

  const ctx = await browser.createBrowserContext();
  const page = await ctx.newPage();
  page.on('pageerror', (e) => check('no page error', () => assert.fail(e.message)));
  const axeIn = async (state) => {
    const v = await axeViolations(page);
    figures.axe = Object.assign(figures.axe || {}, { [state]: v.length });
    check(`axe-core: no violations (${state})`, () => assert.deepEqual(v, []));
  };

  // ---- the phone -----------------------------------------------------------------------
  await page.setViewport(PHONE);
  await page.goto(url);
  await ready(page);
  const phone = await page.evaluate(() => {
    const r = (id) => document.getElementById(id).getBoundingClientRect();
    return { height: document.documentElement.scrollHeight, width: document.documentElement.scrollWidth,
             calculate: r('calculate').bottom, summary: r('summary').bottom, secondaries:
               [...document.querySelectorAll('#windings fieldset')].filter((s) => !s.hidden).length };
  });
  figures.phoneHeight = phone.height;
  check('phone: the default design, inputs and results, at most 1688 px tall', () => assert.ok(phone.height <= 1688, `${phone.height}`));
  check('phone: "Рассчитать" and the summary in view at the top', () => {
    assert.ok(phone.calculate <= 844 && phone.summary <= 844, JSON.stringify(phone));
  });
  check('phone: only the primary and the first secondary shown', () => assert.equal(phone.secondaries, 2));
  await page.screenshot({ path: path.join(out, 'phone.png'), fullPage: true });
  await axeIn('phone');

  // A tap on a result with a hint shows it; the fill strip says its shares in words.
  const tapped = await page.evaluate(() => {
    const o = document.querySelector('output.has-tip');
    if (!o) return null;
    o.click();
    const tip = document.getElementById('tip');
    return { hidden: tip.hidden, same: tip.textContent === o.title, strip: document.getElementById('strip-text').textContent };
  });
  check('phone: a tap shows a hint', () => assert.deepEqual([tapped.hidden, tapped.same], [false, true]));
  check('phone: the fill strip in words', () => assert.match(tapped.strip, /1 — \d+ %, 2\.1 — \d+ %/));

  // The secondaries: one more when asked for, and shown by a design that uses it.
  await tap(page, '#add-secondary');
  const shownNow = await page.evaluate(() => [...document.querySelectorAll('#windings fieldset')].filter((s) => !s.hidden).length);
  check('"+ secondary winding" shows one more', () => assert.equal(shownNow, 3));

  // ---- typing: results follow, the outcome inline, no message box ----------------------
  const type = (values) => page.evaluate((v) => {
    for (const [k, t] of Object.entries(v)) {
      const el = document.querySelector(`[data-field="${k}"]`);
      el.focus(); el.value = t; el.dispatchEvent(new Event('input', { bubbles: true }));
    }
  }, values);
  await type({ U2_1: '12,6', I2_1: '2,5', U2_2: '6,3', I2_2: '1' });
  await pause(600);
  const typed = await page.evaluate(() => ({ last: window.velmoraPage.last, open: window.velmoraPage.pendingMessages(),
                                             focused: document.activeElement.value, summary: document.getElementById('summary').textContent }));
  const wantTyped = cliJson({ U2_1: '12,6', I2_1: '2,5', U2_2: '6,3', I2_2: '1' });
  check('typing recalculates as velmora-cli', () => assert.deepEqual(typed.last.fields, wantTyped.fields));
  check('typing: no message box, the field typed in keeps its text', () => {
    assert.equal(typed.open, 0);
    assert.equal(typed.focused, '1');
    assert.ok(typed.summary.includes(String(wantTyped.fields.Pgab)), typed.summary);
  });

  // The share link: the address follows; opened elsewhere, the same design computed as
  // "Рассчитать" leaves it here.
  await page.click('#calculate');
  await page.evaluate(async () => { while (window.velmoraPage.pendingMessages()) { document.getElementById('message-ok').click(); await new Promise((r) => setTimeout(r, 0)); } });
  const link = await page.evaluate(() => location.href);
  const other = await (await browser.createBrowserContext()).newPage();
  await other.goto(link);
  await ready(other);
  const [here, there] = [await fieldsOf(page), await fieldsOf(other)];
  check('a share link opens the same design (every field)', () => assert.deepEqual(there, here));
  const second = await other.evaluate(() => !document.querySelector('#windings fieldset[data-winding="3"]').hidden);
  check('a share link opens with the secondary it uses', () => assert.ok(second));
  await other.browserContext().close();

  // Overfill while typing: said inline, marked, no box; then axe in that state.
  await type({ I2_1: '40' });
  await pause(600);
  const over = await page.evaluate(() => ({ status: window.velmoraPage.last.status, bad: document.getElementById('summary').classList.contains('bad'),
                                           open: window.velmoraPage.pendingMessages() }));
  check('overfill while typing is said inline', () => assert.deepEqual(over, { status: 'overfill', bad: true, open: 0 }));
  await axeIn('overfill');

  // A misread field is marked for assistive technology too; one live region only.
  await type({ I2_1: '2', lst: '5O' });
  await page.click('#calculate');
  await page.evaluate(async () => { while (window.velmoraPage.pendingMessages()) { document.getElementById('message-ok').click(); await new Promise((r) => setTimeout(r, 0)); } });
  const marks = await page.evaluate(() => ({
    invalid: document.getElementById('f-lst').getAttribute('aria-invalid'),
    live: [...document.querySelectorAll('[aria-live], [role=status], output')]
      .filter((e) => e.getAttribute('aria-live') !== 'off').map((e) => e.id),
  }));
  check('a misread field has aria-invalid', () => assert.equal(marks.invalid, 'true'));
  check('one live region: the summary', () => assert.deepEqual(marks.live, ['summary']));

  // The ring: its fields as the window shows them (no Hok).
  await tap(page, '#core-0');
  const hok = await page.evaluate(() => document.getElementById('f-hok').getClientRects().length);
  check('the ring hides Hok', () => assert.equal(hok, 0));

  // Reset: the default design, as velmora-cli computes it.
  await tap(page, '#reset');
  await page.evaluate(async () => { while (window.velmoraPage.pendingMessages()) { document.getElementById('message-ok').click(); await new Promise((r) => setTimeout(r, 0)); } });
  const reset = await page.evaluate(() => [window.velmoraPage.last.fields, location.hash]);
  check('reset gives the default design', () => { assert.deepEqual(reset[0], cliJson({}).fields); assert.equal(reset[1], ''); });

  // ---- desktop states for axe ----------------------------------------------------------
  await page.setViewport({ width: 1280, height: 1000 });
  await axeIn('default');
  // A design that cannot work (the highest mains voltage below the nominal one): the
  // banner above the results says why, and the summary announces it.
  await type({ U1max: '200' });
  await page.click('#calculate');
  await page.evaluate(async () => { while (window.velmoraPage.pendingMessages()) { document.getElementById('message-ok').click(); await new Promise((r) => setTimeout(r, 0)); } });
  const cannot = await page.evaluate(() => ({ banner: document.getElementById('cannot-work').textContent,
    hidden: document.getElementById('cannot-work').hidden, summary: document.getElementById('summary').textContent,
    above: document.getElementById('cannot-work').getBoundingClientRect().bottom <=
           document.getElementById('totals').getBoundingClientRect().top }));
  check('a design that cannot work says so above the results and in the summary', () => {
    assert.ok(!cannot.hidden && cannot.above, JSON.stringify(cannot));
    assert.ok(cannot.banner.length > 0 && cannot.summary.includes(cannot.banner.split('\n')[0]), JSON.stringify(cannot));
  });
  await axeIn('cannot work');
  await type({ U1max: '253' });
  await page.click('#calculate');
  await type({ U2_1: '15' });
  await axeIn('stale');
  await tap(page, '#help');
  await axeIn('help open');
  await page.click('#message-ok');
  await tap(page, '#rect-button-1');
  await axeIn('rectifier open');
  await page.click('#rect-close');
  await tap(page, '#designer-open');
  await page.click('#designer-run');
  await page.waitForFunction(() => window.velmoraPage.design && !document.getElementById('designer').hasAttribute('aria-busy'),
    { timeout: 120000 });
  await axeIn('designer-open');
  await page.keyboard.press('Escape');
  await page.select('#lang', 'en');
  await axeIn('English');
  await page.emulateMediaFeatures([{ name: 'prefers-color-scheme', value: 'dark' }]);
  await axeIn('dark');
  await page.screenshot({ path: path.join(out, 'dark.png'), fullPage: true });
  await page.emulateMediaFeatures([]);
  await page.select('#lang', 'ru');

  // Print: buttons and empty secondaries left out, one or two pages.
  await page.emulateMediaType('print');
  const pdf = path.join(out, 'print.pdf');
  await page.pdf({ path: pdf, format: 'A4', printBackground: false });
  figures.printPages = Number(/Pages:\s*(\d+)/.exec(execFileSync('pdfinfo', [pdf], { encoding: 'utf8' }))[1]);
  check('print: one or two pages', () => assert.ok(figures.printPages >= 1 && figures.printPages <= 2, `${figures.printPages}`));
  // No button's word on the sheet; the design sheet's own texts (its title, each table's
  // heading, the winding instruction's) as the engine gives them.
  const printed = execFileSync('pdftotext', [pdf, '-'], { encoding: 'utf8' }).replace(/\s+/g, ' ');
  const sheet = await page.evaluate(() => {
    const w = window.velmoraPage.words(), c = VelmoraBridge.sheet('ru');
    return { buttons: ['calculate', 'load', 'saveReport', 'help', 'copyLink', 'addSecondary', 'designer'].map((k) => w[k]),
             texts: [c.title, ...c.tables.map((t) => t.heading), c.picturesHeading, c.instructionHeading,
                     c.tables[0].rows[0][0], c.instruction[0]].map((t) => t.replace(/\s+/g, ' ').trim()) };
  });
  figures.sheetTexts = sheet.texts.length;
  check('print: no buttons, the design sheet\'s texts from the engine', () => {
    for (const b of sheet.buttons) assert.ok(!printed.includes(b), b);
    assert.ok(sheet.texts.length >= 6, JSON.stringify(sheet.texts));
    for (const t of sheet.texts) assert.ok(t && printed.includes(t), t);
  });
  await page.emulateMediaType(null);

  await ctx.close();

  // ---- installable, offline at any address, the update offered -------------------------
  // (Installing needs a profile: the browser's own context, not a private one.)
  const own = await browser.newPage();
  await own.goto(url);
  await ready(own);
  await own.evaluate(() => navigator.serviceWorker.ready);
  await own.reload();
  await ready(own);
  const cdp = await own.target().createCDPSession();
  const installability = (await cdp.send('Page.getInstallabilityErrors')).installabilityErrors;
  check('installable (no installability errors)', () => assert.deepEqual(installability, []));
  await own.close();

  // A copy of the site served apart, so that it can change under the page.
  const copy = fs.mkdtempSync(path.join(os.tmpdir(), 'velmora-site-'));
  for (const f of fs.readdirSync(site)) fs.copyFileSync(path.join(site, f), path.join(copy, f));
  const apart = await serve(copy);
  try {
    const c2 = await browser.createBrowserContext();
    const p2 = await c2.newPage();
    await p2.goto(apart.url);
    await ready(p2);
    await p2.evaluate(() => navigator.serviceWorker.ready);
    await p2.setOfflineMode(true);
    await p2.goto(apart.url + '?from=home#v=1&U2_1=9');
    await ready(p2);
    const offline = await p2.evaluate(() => window.velmoraPage.last.fields);
    check('offline with a query and a design in the address', () => assert.deepEqual(offline, cliJson({ U2_1: '9' }).fields));
    await p2.setOfflineMode(false);

    // A new version: the page says so and, asked, reloads onto it.
    const sw = path.join(copy, 'sw.js');
    fs.writeFileSync(sw, fs.readFileSync(sw, 'utf8').replace(/const VERSION = '[^']*'/, "const VERSION = 'next'"));
    fs.writeFileSync(path.join(copy, 'index.html'),
      fs.readFileSync(path.join(copy, 'index.html'), 'utf8').replace('<title>Velmora</title>', '<title>Velmora next</title>'));
    await p2.goto(apart.url);
    await ready(p2);
    await p2.waitForFunction(() => !document.getElementById('update').hidden, { timeout: 10000 }).catch(() => {});
    const offered = await p2.evaluate(() => [!document.getElementById('update').hidden, document.getElementById('update').textContent.trim(), document.title]);
    check('an update is offered, not shown silently', () => { assert.equal(offered[0], true); assert.equal(offered[2], 'Velmora'); });
    if (offered[0]) {
      await Promise.all([p2.waitForNavigation(), tap(p2, '#update-reload')]);
      await ready(p2);
      figures.newTitle = await p2.title();
    }
    await c2.close();
  } finally {
    apart.server.close();
    fs.rmSync(copy, { recursive: true, force: true });
  }
  check('reload takes the new version', () => assert.equal(figures.newTitle, 'Velmora next'));
  return figures;
}

module.exports = { run, axeViolations };
