'use strict';
// The stage and what the player makes of bad input.

const { test, before, after } = require('node:test');
const assert = require('node:assert/strict');
const fs = require('node:fs');
const path = require('node:path');
const { pathToFileURL } = require('node:url');
const h = require('./harness');
const fx = require('./fixtures');

let browser;
before(async () => { browser = await h.launch(); });
after(async () => { await browser?.close(); });

const withGallery = (plan, opts, fn) => h.withGallery(browser, plan, opts, fn);

test('the stage takes the object\'s size and paints its background', h.LIMIT, async (t) => {
  const W = 640, H = 480;
  const base = { bkdobdr: false };
  // [case, gallery attributes, [stage x, y, expected colour]...]; the page behind the stage is white.
  const cases = [
    ['solid fill', { bkfillclr: 0x336699 }, [[5, 5, [0x33, 0x66, 0x99]], [W - 3, H - 3, [0x33, 0x66, 0x99]]]],
    ['fill at half opacity over the page', { bkfillclr: 0x336699, bkfillalpha: 50 }, [[5, 5, [153, 178, 204]]]],
    ['left-to-right gradient at angle 0', { bkdobk: false, bkdogradient: true, bkfillclr: 0xFF0000, bkgradclr: 0x0000FF, bkgradangle: 0 },
      [[1, 5, [255, 0, 0]], [W - 2, 5, [0, 0, 255]], [W / 2, 5, [128, 0, 128]]]],
    ['top-to-bottom gradient at angle 90', { bkdobk: false, bkdogradient: true, bkfillclr: 0x00FF00, bkgradclr: 0x000000, bkgradangle: 90 },
      [[5, 1, [0, 255, 0]], [5, H - 2, [0, 0, 0]]]],
    ['gradient colour at its own opacity', { bkdobk: false, bkdogradient: true, bkfillclr: 0x000000, bkgradclr: 0x000000, bkgradalpha: 0, bkgradangle: 0 },
      [[W - 1, 5, [255, 255, 255]]]],
    ['both fills set: the gradient wins', { bkdobk: true, bkdogradient: true, bkfillclr: 0xFF0000, bkgradclr: 0xFF0000 }, [[5, 5, [255, 0, 0]]]],
    ['no fill at all is transparent', { bkdobk: false }, [[5, 5, [255, 255, 255]]]],
    ['solid border', { bkdobdr: true, bkbdrsolid: true, bkbdrcolor: 0x00FF00, bkfillclr: 0x000000 },
      [[0, 200, [0, 255, 0]], [W - 1, 200, [0, 255, 0]], [200, H - 1, [0, 255, 0]], [2, 200, [0, 0, 0]]]],
    ['background picture at the top left', { bkdobk: false, bkdoimg: true, bkimg: 'back.png' },
      [[3, 3, [200, 30, 30]], [5, 45, [200, 30, 30]], [5, 60, [255, 255, 255]]]],
  ];
  for (const [name, attrs, points] of cases) {
    await t.test(name, () => withGallery(
      { w: W, h: H, gallery: { ...base, ...attrs }, files: { 'images/back.png': fx.encodePng(50, 50, [200, 30, 30]) } },
      { wait: 'ready' },
      async ({ page, faults }) => {
        const o = await h.stageOrigin(page);
        assert.deepEqual([o.width, o.height], [W, H]);
        if (attrs.bkdoimg) await page.waitForFunction(() => getComputedStyle(document.querySelector('.fv-stage')).backgroundImage !== 'none');
        for (const [x, y, want] of points) {
          const got = await h.stagePixel(page, x, y);
          assert.ok(h.near(got, want), `${name}: pixel (${x}, ${y}) is ${got}, expected about ${want}`);
        }
        assert.deepEqual(faults, []);
      }));
  }
});

test('components paint their own backgrounds and borders', h.LIMIT, async () => {
  const plan = h.albumsPlan(1, 2, {
    gallery: { bkfillclr: 0x000000, bkdobdr: false },
    display: { x: 20, y: 20, w: 200, h: 150, bkdobk: true, bkfillclr: 0x0000FF, bkdobdr: true, bkbdrsolid: true, bkbdrcolor: 0xFFFF00, scaletofit: false },
    buttons: [{ action: 'toggleplaypause', x: 300, y: 20, w: 40, h: 30, bkdobk: false, bkdogradient: true, bkfillclr: 0xFF0000, bkgradclr: 0xFF0000 }],
    header: { thumbhdrbkdo: true, thumbhdrbkfillclr: 0x00FF00, thumbhdrbkdobdr: false },
    strip: { x: 10, y: 300, w: 400, h: 80 },
    cells: { thumbdobdr: false, thumbhlight: false },
  });
  plan.albums[0].images.forEach((im) => { im.width = 40; im.height = 30; });
  await withGallery(plan, {}, async ({ page, faults }) => {
    // The display's photo is 40 x 30 and unscaled, so its corners show the display's own fill.
    assert.ok(h.near(await h.stagePixel(page, 25, 25), [0, 0, 255]), 'display fill');
    assert.ok(h.near(await h.stagePixel(page, 20, 60), [255, 255, 0]), 'display border');
    assert.ok(h.near(await h.stagePixel(page, 120, 95), fx.photoColor(0)), 'photo in the display\'s centre');
    assert.ok(h.near(await h.stagePixel(page, 302, 22), [255, 0, 0]), 'button gradient');
    assert.ok(h.near(await h.stagePixel(page, 400, 302), [0, 255, 0]), 'strip header fill');
    assert.deepEqual(faults, []);
  });
});

test('on a page narrower than the gallery the whole stage scales down to fit', h.LIMIT, async () => {
  const plan = h.albumsPlan(1, 4, { w: 800, h: 600, gallery: { bkfillclr: 0x112233 } });
  await withGallery(plan, { width: 400, height: 600 }, async ({ page, faults }) => {
    const o = await h.stageOrigin(page);
    assert.ok(o.width <= 400 && o.width > 300, `stage ${o.width} wide on a 400 wide page`);
    assert.ok(Math.abs(o.height - (o.width * 600) / 800) <= 1, 'keeps the proportions');
    // Thumbnails are still hit where they are drawn.
    const cell = await page.locator('.fv-cell[data-index="2"]').boundingBox();
    await page.mouse.click(cell.x + cell.width / 2, cell.y + cell.height / 2);
    await h.waitPhoto(page, 1, 3);
    // Widening the page gives the gallery back its full size.
    await page.setViewportSize({ width: 1000, height: 700 });
    await page.waitForFunction(() => document.querySelector('.fv-root').getBoundingClientRect().width === 800);
    assert.deepEqual(faults, []);
  });
});

test('a gallery file that cannot be played shows a message naming it, inside the gallery', h.LIMIT, async (t) => {
  const cases = [
    ['malformed XML', { xmlText: '<?xml version="1.0"?>\r\n<pelliconimagegallery version="3.5">\r\n  <imagegallery w="5"' }, /myalbum\.xml.*damaged/s],
    ['well-formed but not a gallery', { xmlText: '<?xml version="1.0"?>\r\n<html><body/></html>' }, /myalbum\.xml.*not a Fotovia gallery/s],
    ['missing on the server', { xmlText: null }, /myalbum\.xml.*could not be loaded.*404/s],
  ];
  for (const [name, plan, message] of cases) {
    await t.test(name, async () => {
      const g = await fx.writeGalleryFolder(fx.tempDir(), { w: 420, h: 320, raw: true, ...plan, xmlText: plan.xmlText ?? '' });
      if (plan.xmlText === null) fs.rmSync(path.join(g.dir, g.xml));
      const o = await h.openGallery(browser, g, { wait: 'error' });
      try {
        const box = await o.page.locator('.fv-msg').boundingBox();
        const root = await h.stageOrigin(o.page);
        assert.deepEqual([root.width, root.height], [420, 320]);
        assert.ok(box.x >= root.x && box.y >= root.y && box.x + box.width <= root.x + root.width + 0.5 &&
          box.y + box.height <= root.y + root.height + 0.5, 'the message lies inside the gallery');
        assert.match(await o.page.locator('.fv-msg').innerText(), message);
        assert.equal(await o.page.locator('.fv-msg').getAttribute('role'), 'alert');
        assert.deepEqual(o.faults, []);
      } finally { await o.close(); }
    });
  }
  await t.test('a page opened straight from the disk', async () => {
    const g = await fx.writeGalleryFolder(fx.tempDir(), h.albumsPlan(1, 1));
    const { page, faults } = await h.open(browser.context, pathToFileURL(path.join(g.dir, g.page)).href);
    try {
      await page.waitForSelector('.fv-root[data-state="error"]');
      const text = await page.locator('.fv-msg').innerText();
      assert.match(text, /myalbum\.xml/);
      assert.match(text, /web server/);
      assert.match(text, /Fotovia's preview/);
      assert.deepEqual(faults, []);
    } finally { await page.close(); }
  });
});

test('a missing photo shows a placeholder and the gallery goes on', h.LIMIT, async () => {
  const plan = h.albumsPlan(1, 3);
  plan.albums[0].images[0].missing = true;
  await withGallery(plan, {}, async ({ page, faults }) => {
    const ph = page.locator('.fv-display .fv-missing');
    await ph.waitFor();
    assert.match(await ph.innerText(), /photo1\.jpg/);
    assert.equal(await ph.getAttribute('aria-label'), 'photo1.jpg');
    await page.waitForSelector('.fv-cell[data-index="0"] .fv-thumb.fv-broken');
    await page.keyboard.press('ArrowRight');
    await h.waitPhoto(page, 1, 2);
    assert.equal(await page.locator('.fv-display .fv-missing').count(), 0, 'the placeholder goes with its photo');
    assert.deepEqual(faults, []);
  });
});

test('no attribute value of the gallery file makes the player throw', h.LIMIT, async (t) => {
  const valid = fx.galleryXml({
    ...h.albumsPlan(2, 3),
    buttons: [{ action: 'toggleplaypause', showtext: true }, { action: 'togglesounds', upicon: 'images/up.jpg' }, { action: 'showcatagories' }],
  });
  const garbage = ['', 'zz', '-', '0x', '-99999999999999999999999', '1e309', '0xFFFFFFFFFFFFFFFFFFFF',
    '&lt;&amp;&gt;&quot;', 'javascript:alert(1)', 'url(x);}body{display:none', '%zz#?\\\\', 'x'.repeat(3000)];
  // Every attribute at once, and then only the numbers, so that the structure still holds.
  const everywhere = (v) => valid.replace(/(\s[a-z0-9]+)="[^"]*"/g, (m, n) => (n.trim() === 'version' ? m : `${n}="${v}"`));
  const numbersOnly = (v) => valid.replace(/(\s[a-z0-9]+)="(-?\d+|0x[0-9A-F]{6}|[tf])"/g, `$1="${v}"`);
  for (const [label, make] of [['every attribute', everywhere], ['numbers, colours and flags', numbersOnly]]) {
    await t.test(label, async () => {
      for (const v of garbage) {
        const plan = h.albumsPlan(2, 3);
        const g = await fx.writeGalleryFolder(fx.tempDir(), { ...plan, raw: true, xmlText: make(v) }, { encode: browser.encode });
        const o = await h.openGallery(browser, g, { wait: null });
        try {
          await o.page.waitForFunction(() => (document.querySelector('.fv-root')?.dataset.state ?? 'fetching') !== 'fetching');
          // Poke at everything a visitor can reach; links are followed no further than their handlers.
          await o.page.evaluate(() => {
            document.addEventListener('click', (e) => e.preventDefault());
            for (const e of document.querySelectorAll('.fv-button, .fv-cell, .fv-tile, .fv-link')) {
              e.dispatchEvent(new PointerEvent('pointerenter'));
              e.click();
            }
          });
          for (const key of ['ArrowRight', 'ArrowLeft', ' ', 'Escape', ' ']) await o.page.keyboard.press(key);
          await o.page.mouse.move(30, 430);
          await o.page.mouse.wheel(0, 300);
          await o.page.waitForTimeout(50);
          assert.deepEqual(o.faults, [], `value ${JSON.stringify(v.slice(0, 40))}`);
        } finally { await o.close(); }
      }
    });
  }
});
