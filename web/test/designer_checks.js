// The designer on the page against velmora-cli --design --json: three requests (one with
// a rectifier load) run through the dialog's own controls, the table and the chart
// shown from the engine's outcome, sorting by a column, a point of the chart applied to
// the page, the keyboard, the page opened from disk (no worker), and screenshots of the
// dialog open on a desktop and a phone. Called by page_test.js.
'use strict';
const assert = require('assert/strict');
const { execFileSync } = require('child_process');
const fs = require('fs');
const os = require('os');
const path = require('path');

const PHONE = { width: 390, height: 844, isMobile: true, hasTouch: true, deviceScaleFactor: 2 };

// Loads, goal and limits; the limits as typed on the page (a comma is a point).
const REQUESTS = [
  { name: 'the default design by mass', design: {}, request: { goal: 'mass' } },
  { name: 'two secondaries by loss within limits', design: { U2_1: '24', I2_1: '1,5', U2_2: '6.3', I2_2: '2' },
    request: { goal: 'loss', hot_spot_c: '100', regulation_pct: '12,5' } },
  { name: 'a bridge rectifier by hot spot', design: { U2_1: '30', I2_1: '2', rect2_1: '1', Udc2_1: '30', Idc2_1: '2', C2_1: '4700' },
    request: { goal: 'hotspot', j_max: '3.5' } },
];

// velmora-cli over the E-I series alone: its state folder (where the user's own list
// lives) a fresh one holding an empty list.
function cliDesign(cli, data, inputs, request) {
  const home = fs.mkdtempSync(path.join(os.tmpdir(), 'velmora-design-'));
  fs.mkdirSync(path.join(home, 'Velmora'));
  fs.writeFileSync(path.join(home, 'Velmora', 'Сердечники.txt'), '');
  const args = ['--data', data, '--design', '--json', '--goal', request.goal];
  for (const [k, v] of Object.entries(request)) if (k !== 'goal') args.push('--limit', `${k}=${v.replace(',', '.')}`);
  for (const [k, v] of Object.entries(inputs)) args.push('--set', `${k}=${v}`);
  try {
    return JSON.parse(execFileSync(cli, args, { encoding: 'utf8', cwd: home, env: { ...process.env, XDG_CONFIG_HOME: home } }));
  } catch (e) {
    if (e.status === 1) return JSON.parse(e.stdout);  // no design: still the JSON
    throw e;
  } finally {
    fs.rmSync(home, { recursive: true, force: true });
  }
}

// The same designs: every choice exact (the cores and their order, Bm, j, the turns, the
// wire, the front) and every figure to 1e-12 of itself. The page's C library (musl,
// compiled to WebAssembly) rounds a power or a logarithm of the magnetising curve and the
// rectifier's cycle to the neighbouring last bit now and then where glibc's does not.
function sameDesigns(got, want, at = 'design') {
  if (typeof want === 'number' && typeof got === 'number') {
    assert.ok(got === want || Math.abs(got - want) <= 1e-12 * Math.abs(want), `${at}: ${got}, velmora-cli ${want}`);
  } else if (want && typeof want === 'object') {
    assert.deepEqual(Object.keys(got || {}), Object.keys(want), at);
    for (const k of Object.keys(want)) sameDesigns(got[k], want[k], `${at}.${k}`);
  } else {
    assert.equal(got, want, at);
  }
}

async function settle(page) {
  await page.evaluate(async () => {
    while (window.velmoraPage.pendingMessages()) {
      document.getElementById('message-ok').click();
      await new Promise((r) => setTimeout(r, 0));
    }
  });
}

// The dialog opened by its button, the request typed into its controls, run; what the
// page then shows and the inputs it sent.
async function designOn(page, request, { busy } = {}) {
  if (!(await page.evaluate(() => document.getElementById('designer').open))) {
    await page.$eval('#designer-open', (b) => b.scrollIntoView({ block: 'center' }));
    await page.click('#designer-open');
  }
  await page.evaluate((q) => {
    document.getElementById('designer-goal').value = q.goal;
    document.querySelectorAll('[data-limit]').forEach((i) => { i.value = q[i.dataset.limit] !== undefined ? q[i.dataset.limit] : i.defaultValue; });
  }, request);
  const sent = await page.evaluate(() => window.velmoraPage.inputs());
  await page.click('#designer-run');
  if (busy) busy.state = await page.evaluate(() => [document.getElementById('designer').getAttribute('aria-busy'),
    document.getElementById('designer-run').disabled, document.getElementById('designer-status').textContent]);
  await page.waitForFunction(() => !document.getElementById('designer').hasAttribute('aria-busy'), { timeout: 120000 });
  const shown = await page.evaluate(() => ({
    out: window.velmoraPage.design,
    cells: [...document.querySelectorAll('#designer-table tbody tr')].map((tr) => [...tr.children].map((c) => c.textContent)),
    heads: document.querySelectorAll('#designer-table thead th').length,
    points: document.querySelectorAll('#designer-chart svg [id^="row-"]').length,
    status: document.getElementById('designer-status').textContent,
  }));
  return { sent, ...shown };
}

const ready = (page) => page.waitForFunction(() => window.velmoraPage && window.velmoraPage.firstResult !== null &&
  VelmoraBridge.loaded(), { timeout: 30000 });

async function run({ page, disk, url, out, check, cli, data, cliJson, compare, shown }) {
  await page.bringToFront();  // a tab in the background gets no animation frames, which clicks wait for
  await page.setViewport({ width: 1280, height: 1000 });
  await page.goto(url);
  await ready(page);
  const words = await page.evaluate(() => VelmoraBridge.designerWords('ru'));
  check('designer: the limits are velmora-cli\'s keys, j from 1.5 to 4.5 by default', () => {
    assert.deepEqual(words.limits.map((l) => l.key), ['hot_spot_c', 'rise_k', 'regulation_pct', 'no_load_pct', 'fill', 'j_min', 'j_max']);
    assert.deepEqual(words.limits.map((l) => l.def), ['', '', '', '', '', '1.5', '4.5']);
    assert.deepEqual(words.goals.map((g) => g.key), ['mass', 'loss', 'hotspot']);
  });

  let first = null;
  for (const [k, r] of REQUESTS.entries()) {
    await page.evaluate((d) => window.velmoraPage.replace(d), r.design);
    await settle(page);
    const busy = {};
    const got = await designOn(page, r.request, { busy });
    const want = cliDesign(cli, data, got.sent, r.request);
    check(`designer: ${r.name}: the engine's outcome is velmora-cli --design --json`, () => {
      assert.ok(got.out && got.out.design, JSON.stringify(got.out).slice(0, 300));
      sameDesigns(got.out.design, want);
    });
    check(`designer: ${r.name}: a table row and a chart point per design`, () => {
      assert.ok(want.rows.length > 0);
      assert.equal(got.cells.length, want.rows.length);
      assert.equal(got.points, want.rows.length);
      assert.equal(got.heads, words.columns.length + 2);
      // The first row as shown: its name, every figure at its column's decimals, the front's mark.
      const row = want.rows[0];
      assert.deepEqual(got.cells[0], [row.name, ...words.columns.map((c) => row[c.key].toFixed(c.decimals)), row.pareto ? '*' : '']);
      assert.ok(got.status.startsWith('Проектов: ' + want.rows.length), got.status);
    });
    if (k === 0) {
      first = { got, want };
      check('designer: busy while it searches', () => assert.deepEqual(busy.state.slice(0, 2), ['true', true]));
      // Sorting by losses, then the other way.
      const lossCol = 1 + words.columns.findIndex((c) => c.key === 'loss_w');
      const sorted = [];
      for (let n = 0; n < 2; ++n) {
        await page.click('#designer-table thead [data-sort="loss_w"]');
        sorted.push(await page.evaluate((c) => [...document.querySelectorAll('#designer-table tbody tr')]
          .map((tr) => Number(tr.children[c].textContent)), lossCol));
      }
      check('designer: sorted by a column, ascending then descending', () => {
        const up = want.rows.map((row) => Number(row.loss_w.toFixed(2))).sort((a, b) => a - b);
        assert.deepEqual(sorted[0], up);
        assert.deepEqual(sorted[1], up.slice().reverse());
      });
      await page.screenshot({ path: path.join(out, 'designer-desktop.png') });
    }
    // A point of the chart applied: the design of that row, calculated as velmora-cli does.
    // The point is one a user can hit: not the first (ringed) one, nor under another.
    const pick = await page.evaluate(() => {
      const points = [...document.querySelectorAll('#designer-chart svg [id^="row-"]')];
      const free = points.filter((p) => {
        const b = p.getBoundingClientRect(), top = document.elementFromPoint(b.x + b.width / 2, b.y + b.height / 2);
        return p.id !== 'row-0' && top && top.closest('[id^="row-"]') === p;
      });
      return free.length ? Number(free[0].id.slice(4)) : 0;
    });
    await page.$eval(`#designer-chart [id="row-${pick}"]`, (p) => p.scrollIntoView({ block: 'center' }));
    await page.click(`#designer-chart [id="row-${pick}"]`);
    await settle(page);
    const applied = await page.evaluate((i) => ({ open: document.getElementById('designer').open,
      inputs: window.velmoraPage.design.inputs[i], focus: document.activeElement && document.activeElement.id }), pick);
    const now = await shown(page);
    check(`designer: ${r.name}: a point applies its design to the page`, () => {
      assert.equal(applied.open, false);
      assert.equal(applied.focus, 'designer-open');
      assert.equal(Number(now.last.fields.Bm), want.rows[pick].Bm);
      assert.equal(Number(now.last.fields.j), want.rows[pick].j);
      assert.equal(Number(now.last.fields.W1), want.rows[pick].W1);
    });
    compare(`designer: ${r.name}: the applied design`, now, cliJson(applied.inputs));
  }

  // The keyboard: opened on the goal, Escape closes onto the button; a bad limit is marked.
  await page.focus('#designer-open');
  await page.keyboard.press('Enter');
  const focusIn = await page.evaluate(() => document.activeElement.id);
  await page.evaluate(() => { document.getElementById('designer-fill').value = 'много'; });
  await page.click('#designer-run');
  await page.waitForFunction(() => !document.getElementById('designer').hasAttribute('aria-busy'));
  const refused = await page.evaluate(() => [document.getElementById('designer-fill').getAttribute('aria-invalid'),
    document.activeElement.id, document.getElementById('designer-status').textContent]);
  await page.evaluate(() => { document.getElementById('designer-fill').value = ''; });
  await page.keyboard.press('Escape');
  const closed = await page.evaluate(() => [document.getElementById('designer').open, document.activeElement.id]);
  check('designer: by keyboard, focus in and back; a bad limit is marked', () => {
    assert.equal(focusIn, 'designer-goal');
    assert.deepEqual(refused.slice(0, 2), ['true', 'designer-fill']);
    assert.ok(refused[2].length > 0);
    assert.deepEqual(closed, [false, 'designer-open']);
  });

  // The phone: the dialog open with the first request's designs. A touch screen reloads
  // the page: its engine is awaited before the button is used.
  await page.setViewport(PHONE);
  await page.waitForFunction(() => document.body.dataset.ready === '1');
  await page.evaluate(() => window.velmoraPage.replace({}));
  await settle(page);
  await designOn(page, REQUESTS[0].request);
  await page.screenshot({ path: path.join(out, 'designer-phone.png') });
  const width = await page.evaluate(() => [document.getElementById('designer').getBoundingClientRect().right, window.innerWidth]);
  check('designer: within a phone\'s width', () => assert.ok(width[0] <= width[1], `${width}`));
  await page.keyboard.press('Escape');

  // From disk, where no worker starts: the same outcome, found on the page's thread.
  await disk.bringToFront();
  await ready(disk);
  await disk.evaluate(() => window.velmoraPage.replace({}));
  await settle(disk);
  const onDisk = await designOn(disk, REQUESTS[0].request);
  check('designer: from disk, the same outcome', () => sameDesigns(onDisk.out.design, first.want));
}

module.exports = { run };
