'use strict';
// Browser side of the player tests: Debian's Chromium driven by playwright-core, a fresh profile per
// run, and every request that would leave 127.0.0.1 refused.

const fs = require('node:fs');
const path = require('node:path');
const os = require('node:os');
const { chromium } = require('playwright-core');
const fx = require('./fixtures');

const CHROMIUM = process.env.FOTOVIA_CHROMIUM || '/usr/bin/chromium';
// Chromium never proxies loopback addresses, so this dead proxy on 127.0.0.1 stops every other
// request at once, without routing each request through the test process.
const ARGS = ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run', '--disable-background-networking',
  '--disable-component-update', '--disable-sync', '--proxy-server=http://127.0.0.1:9'];

async function launch({ width = 1000, height = 700 } = {}) {
  const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'fotovia-chromium-'));
  const context = await chromium.launchPersistentContext(profile, {
    executablePath: CHROMIUM, headless: true, args: ARGS, viewport: { width, height }, deviceScaleFactor: 1,
  });
  // Every request of every page, popups included, for tests that check where a click led.
  const requests = [];
  context.on('request', (r) => requests.push(r));
  // The first page only makes JPEG pictures for the fixtures.
  const encoderPage = context.pages()[0] ?? (await context.newPage());
  await encoderPage.setContent('<title>encoder</title>');
  return {
    context, requests,
    encode: fx.browserJpegEncoder(encoderPage),
    close: async () => {
      await context.close();
      fs.rmSync(profile, { recursive: true, force: true });
    },
  };
}

// Opens a page and collects everything that would show a fault: uncaught errors and the player's
// own warnings.
async function open(context, url, { width, height, init } = {}) {
  const page = await context.newPage();
  if (width) await page.setViewportSize({ width, height: height ?? 700 });
  if (init) await page.addInitScript(init);
  const faults = [];
  page.on('pageerror', (e) => faults.push('pageerror: ' + e.message));
  page.on('console', (m) => { if (/Fotovia player/.test(m.text())) faults.push('console: ' + m.text()); });
  await page.goto(url, { waitUntil: 'domcontentloaded' });
  return { page, faults };
}

// Serves a gallery folder and opens its page; `hash` is appended to the address.
async function openGallery(browser, gallery, { hash = '', wait = 'shown', ...size } = {}) {
  const server = await fx.serve(gallery.dir);
  const { page, faults } = await open(browser.context, server.url + encodeURI(gallery.page) + hash, size);
  if (wait) await page.waitForSelector(`.fv-root[data-state="${wait}"]`, { timeout: 10000 });
  return {
    page, faults, server,
    close: async () => { await page.close(); await server.close(); },
  };
}

async function galleryFor(browser, plan, opts) {
  return fx.makeGallery(plan, { encode: browser.encode, ...opts });
}

async function pixel(page, x, y) {
  const png = await page.screenshot({ clip: { x, y, width: 1, height: 1 } });
  return fx.decodePng(png).pixel(0, 0);
}

// Where the stage's top-left corner is on the page.
async function stageOrigin(page, index = 0) {
  return page.evaluate((i) => {
    const r = document.querySelectorAll('.fv-root')[i].getBoundingClientRect();
    return { x: r.left, y: r.top, width: r.width, height: r.height };
  }, index);
}

async function stagePixel(page, x, y) {
  const o = await stageOrigin(page);
  return pixel(page, Math.round(o.x) + x, Math.round(o.y) + y);
}

function near(actual, expected, tolerance = 6) {
  return actual.every((v, i) => Math.abs(v - expected[i]) <= tolerance);
}

// Waits until the gallery shows photo p of album a (both from 1), faded in.
async function waitPhoto(page, a, p, timeout = 5000) {
  await page.waitForSelector(`.fv-root[data-album="${a}"][data-photo="${p}"][data-state="shown"]`, { timeout });
}

// A gallery of `albums` albums with `photos` photos each, every photo a different colour.
function albumsPlan(albums, photos, extra = {}) {
  let n = 0;
  return {
    albums: Array.from({ length: albums }, (_, i) => ({
      name: `Album ${String.fromCharCode(65 + i)}`, text: `Photos of trip ${i + 1}`,
      images: Array.from({ length: photos }, () => ({ color: fx.photoColor(n++) })),
    })),
    ...extra,
  };
}

// Clicks and returns the address of the page that the click opened, or null when none opens.
async function clickOpens(browser, page, selector) {
  const popup = browser.context.waitForEvent('page', { timeout: 1500 }).catch(() => null);
  await page.click(selector);
  const p = await popup;
  if (!p) return null;
  await p.waitForEvent('request', { timeout: 500 }).catch(() => {});
  const nav = browser.requests.find((r) => r.isNavigationRequest() && r.frame().page() === p);
  await p.close();
  return nav ? nav.url() : p.url();
}

// Records every photo the player shows, with the page's clock, in window.__photos.
function recordPhotos() {
  window.__photos = [];
  document.addEventListener('fotovia:photo', (e) => window.__photos.push({ t: performance.now(), ...e.detail }));
}

// Every test gets this long at most, so a hang shows as a failure instead of a stuck run.
const LIMIT = { timeout: 90_000 };

// Opens a gallery made from plan, runs fn on the open page and closes the page whatever happens.
async function withGallery(browser, plan, opts, fn) {
  const g = await galleryFor(browser, plan);
  const o = await openGallery(browser, g, opts);
  try { return await fn(o, g); } finally { await o.close(); }
}

module.exports = { LIMIT, withGallery, recordPhotos, clickOpens, launch, open, openGallery, galleryFor, pixel, stagePixel, stageOrigin, near, waitPhoto, albumsPlan };
