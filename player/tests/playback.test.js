'use strict';
// What a visitor does with a gallery: pick photos, play the slideshow, switch albums, follow links,
// turn the sound off, come back through an address.

const { test, before, after } = require('node:test');
const assert = require('node:assert/strict');
const fs = require('node:fs');
const path = require('node:path');
const h = require('./harness');
const fx = require('./fixtures');

let browser;
before(async () => { browser = await h.launch(); });
after(async () => { await browser?.close(); });

const withGallery = (plan, opts, fn) => h.withGallery(browser, plan, opts, fn);

// The default display is 480 x 360 at (10, 10) and the photos fill it.
const photoAt = (page) => h.stagePixel(page, 250, 190);
const state = (page) => page.evaluate(() => ({ ...document.querySelector('.fv-root').dataset }));
const label = (page, action) => page.locator(`.fv-button[data-action="${action}"]`).getAttribute('aria-label');
const thumbRequests = (server) => server.requests.filter((r) => /_s\.jpg$/.test(r));

test('a click on a thumbnail shows that photo', h.LIMIT, async () => {
  await withGallery(h.albumsPlan(1, 6), {}, async ({ page, faults }) => {
    assert.ok(h.near(await photoAt(page), fx.photoColor(0)));
    await page.click('.fv-cell[data-index="3"]');
    await h.waitPhoto(page, 1, 4);
    assert.ok(h.near(await photoAt(page), fx.photoColor(3)), 'the fourth photo fills the display');
    assert.deepEqual(await page.$$eval('.fv-cell.fv-cur', (cs) => cs.map((c) => c.dataset.index)), ['3']);
    assert.equal(new URL(page.url()).hash, '#a1p4');
    assert.deepEqual(faults, []);
  });
});

test('the slideshow shows each photo for playspeed twenty-fourths of a second', h.LIMIT, async (t) => {
  await t.test('started at load, through the album and around', async () => {
    const plan = h.albumsPlan(1, 3, { gallery: { playspeed: 6, docplayonstartup: true } });
    await withGallery(plan, { wait: null, init: h.recordPhotos }, async ({ page, faults }) => {
      await page.waitForFunction(() => window.__photos.length >= 4, null, { timeout: 5000 });
      const shown = await page.evaluate(() => window.__photos.slice(0, 4));
      assert.deepEqual(shown.map((s) => s.photo), [1, 2, 3, 1]);
      for (let i = 1; i < shown.length; i++) {
        const gap = shown[i].t - shown[i - 1].t;
        assert.ok(gap >= 245 && gap < 1500, `photo ${i + 1} came ${gap} ms after the one before (6/24 s)`);
      }
      assert.equal(await label(page, 'toggleplaypause'), 'Pause Slideshow');
      assert.deepEqual(faults, []);
    });
  });
  await t.test('started and paused by the play button and by the space bar', async () => {
    const plan = h.albumsPlan(1, 4, { gallery: { playspeed: 12 } });
    await withGallery(plan, { init: h.recordPhotos }, async ({ page, faults }) => {
      const count = () => page.evaluate(() => window.__photos.length);
      await page.waitForTimeout(700);
      assert.equal(await count(), 1, 'no slideshow until asked');
      assert.equal(await label(page, 'toggleplaypause'), 'Play Slideshow');
      await page.click('.fv-button[data-action="toggleplaypause"]');
      assert.equal((await state(page)).playing, 'true');
      // Half a second a photo leaves little time in the faded-in state: follow the photo log instead.
      const reached = (n) => page.waitForFunction((n) => window.__photos.some((s) => s.photo === n), n, { timeout: 5000 });
      await reached(2);
      await page.click('.fv-button[data-action="toggleplaypause"]');
      const paused = await count();
      await page.waitForTimeout(800);
      assert.equal(await count(), paused, 'paused');
      assert.equal(await label(page, 'toggleplaypause'), 'Play Slideshow');
      await page.locator('body').focus();
      await page.keyboard.press(' ');
      assert.equal((await state(page)).playing, 'true');
      assert.equal(await label(page, 'toggleplaypause'), 'Pause Slideshow', 'the button follows the key');
      await page.waitForFunction((n) => window.__photos.length > n, paused, { timeout: 5000 });
      await page.keyboard.press(' ');
      assert.equal((await state(page)).playing, 'false');
      assert.deepEqual(faults, []);
    });
  });
});

test('the album menu switches the display and the strip to another album', h.LIMIT, async (t) => {
  await t.test('opened by its button, closed by a tile', async () => {
    await withGallery(h.albumsPlan(2, 4), {}, async ({ page, faults }) => {
      const menu = page.locator('.fv-menu');
      assert.equal(await menu.isVisible(), false);
      await page.click('.fv-button[data-action="showcatagories"]');
      assert.equal(await menu.isVisible(), true);
      assert.equal(await label(page, 'showcatagories'), 'Hide Albums');
      const tiles = page.locator('.fv-tile');
      assert.deepEqual(await tiles.allInnerTexts(), ['Album A\nPhotos of trip 1', 'Album B\nPhotos of trip 2']);
      await tiles.nth(1).click();
      await h.waitPhoto(page, 2, 1);
      assert.ok(h.near(await photoAt(page), fx.photoColor(4)), 'the first photo of the second album');
      assert.equal(await menu.isVisible(), false);
      assert.equal(await label(page, 'showcatagories'), 'Show Albums');
      assert.deepEqual(await page.$$eval('.fv-cell img', (is) => is.map((i) => i.alt)),
        ['photo5.jpg', 'photo6.jpg', 'photo7.jpg', 'photo8.jpg']);
      assert.equal(new URL(page.url()).hash, '#a2p1');
      await page.click('.fv-button[data-action="showcatagories"]');
      await page.keyboard.press('Escape');
      assert.equal(await menu.isVisible(), false, 'Escape closes it');
      assert.deepEqual(faults, []);
    });
  });
  await t.test('shown at load, and scrolling when the tiles do not fit', async () => {
    const plan = h.albumsPlan(8, 1, { gallery: { docatsonstartup: true }, menu: { cath: 150 } });
    await withGallery(plan, {}, async ({ page, faults }) => {
      const menu = page.locator('.fv-menu');
      assert.equal(await menu.isVisible(), true);
      const box = await menu.boundingBox();
      assert.equal(box.height, 360, 'as high as the display at most');
      const [scrollH, clientH] = await page.$eval('.fv-scroll', (s) => [s.scrollHeight, s.clientHeight]);
      assert.ok(scrollH > clientH, 'the tiles scroll');
      await page.locator('.fv-tile').last().click();
      await h.waitPhoto(page, 8, 1);
      assert.deepEqual(faults, []);
    });
  });
  await t.test('tiles take the menu style', async () => {
    const plan = h.albumsPlan(2, 1, {
      gallery: { bkfillclr: 0x000000 },
      menuPanel: { bkdobk: true, bkfillclr: 0x00FF00, bkfillalpha: 100 },
      menu: { catdobk: false, catdogradient: true, catfillclr: 0xFF0000, catfillalpha: 100, catgradclr: 0xFF0000, catgradalpha: 100, catdobdr: false, cathlight: true, cathlightwidth: 3, cathlightclr: 0x0000FF, catfontclr: 0xFFFF00, catfontsize: 16, catfont: 'Courier New' },
      display: { scaletofit: false },
    });
    plan.albums.forEach((a) => { a.images[0].width = 4; a.images[0].height = 4; });
    await withGallery(plan, {}, async ({ page, faults }) => {
      await page.click('.fv-button[data-action="showcatagories"]');
      const tile = await page.locator('.fv-tile').first().boundingBox();
      const panel = await page.locator('.fv-menu').boundingBox();
      const o = await h.stageOrigin(page);
      assert.ok(h.near(await h.pixel(page, panel.x + 3, panel.y + 3), [0, 255, 0]), 'panel background');
      assert.ok(h.near(await h.pixel(page, tile.x + tile.width - 8, tile.y + tile.height - 8), [255, 0, 0]), 'tile gradient');
      await page.mouse.move(tile.x + tile.width / 2, tile.y + tile.height / 2);
      assert.ok(h.near(await h.pixel(page, tile.x + 1, tile.y + tile.height / 2), [0, 0, 255]), 'highlight under the pointer');
      const font = await page.$eval('.fv-tiletext', (e) => { const s = getComputedStyle(e); return [s.color, s.fontSize, s.fontFamily]; });
      assert.deepEqual(font.slice(0, 2), ['rgb(255, 255, 0)', '16px']);
      assert.match(font[2], /Courier New/);
      assert.ok(panel.x >= o.x && panel.y >= o.y);
      assert.deepEqual(faults, []);
    });
  });
});

test('a caption sits under its photo and a click on the photo follows its link', h.LIMIT, async (t) => {
  const plan = h.albumsPlan(1, 2, {
    gallery: { captionfontsize: 20, captionfontcolor: 0xFF0000, captionfontbkcolor: 0x0000FF, captionfont: 'Arial' },
    display: { aspratio: true },
  });
  Object.assign(plan.albums[0].images[0], { caption: 'Sunset & "sea"', link: 'https://example.invalid/page', width: 400, height: 200 });
  await t.test('caption, alternative text and link', () => withGallery(plan, {}, async ({ page, faults }) => {
    const cap = page.locator('.fv-caption');
    assert.equal(await cap.innerText(), 'Sunset & "sea"');
    const style = await cap.evaluate((e) => { const s = getComputedStyle(e); return [s.color, s.backgroundColor, s.fontSize]; });
    assert.deepEqual(style, ['rgb(255, 0, 0)', 'rgb(0, 0, 255)', '20px']);
    // A 2:1 photo in the 4:3 display, proportions kept: 480 x 240 from y 60 of the display.
    const photo = await page.locator('.fv-photo.fv-in').boundingBox();
    const capBox = await cap.boundingBox();
    assert.equal(Math.round(photo.height), 240);
    assert.ok(Math.abs(capBox.y - (photo.y + photo.height)) <= 1, 'the caption starts under the photo');
    assert.equal(await page.locator('.fv-photo.fv-in').getAttribute('alt'), 'Sunset & "sea"');
    assert.equal(await h.clickOpens(browser, page, '.fv-link'), 'https://example.invalid/page');
    await page.click('.fv-cell[data-index="1"]');
    await h.waitPhoto(page, 1, 2);
    assert.equal(await cap.isVisible(), false, 'no caption for a photo without one');
    assert.equal(await page.locator('.fv-photo.fv-in').getAttribute('alt'), 'photo2.jpg');
    assert.deepEqual(faults, []);
  }));
  // [open full image on click, link, what a click opens]
  const clicks = [
    [true, '', /\/images\/photo1\.jpg$/],
    [false, '', null],
    [false, 'www.example.invalid', /^http:\/\/www\.example\.invalid\/$/],
    [true, 'javascript:alert(1)', /\/images\/photo1\.jpg$/],
  ];
  for (const [full, link, opens] of clicks) {
    await t.test(`full image ${full}, link "${link}"`, async () => {
      const s = h.albumsPlan(1, 1, { display: { doclickfullsize: full } });
      s.albums[0].images[0].link = link;
      await withGallery(s, {}, async ({ page, faults }) => {
        const opened = await h.clickOpens(browser, page, '.fv-link');
        if (opens) assert.match(opened ?? '(nothing)', opens);
        else assert.equal(opened, null, 'nothing opens');
        assert.equal(new URL(page.url()).pathname, '/myalbum.html', 'the gallery stays');
        assert.deepEqual(faults, []);
      });
    });
  }
});

test('the sound button turns the music and the mouse-over sound off and on', h.LIMIT, async (t) => {
  const files = { 'butteryloop1.mp3': fx.encodeWav(3, 330), 'default.mp3': fx.encodeWav(1.5, 880) };
  const audio = (page) => page.evaluate(() => Object.fromEntries([...document.querySelectorAll('.fv-root audio')]
    .map((a) => [a.dataset.fotovia, !a.paused])));
  const hoverCell = async (page, i) => { await page.mouse.move(0, 0); await page.hover(`.fv-cell[data-index="${i}"]`); };
  // Chromium lets a site play sound once the visitor has interacted with it, and the other tests
  // have clicked on 127.0.0.1 pages: these cases need a browser that has seen nothing yet.
  const fresh = await h.launch();
  t.after(() => fresh.close());
  const withFreshGallery = async (plan, fn) => {
    const g = await h.galleryFor(fresh, plan);
    const o = await h.openGallery(fresh, g);
    try { return await fn(o); } finally { await o.close(); }
  };
  await t.test('music starts at the first interaction and the button silences everything', () =>
    withFreshGallery(h.albumsPlan(1, 3, { files }), async ({ page, faults }) => {
      assert.deepEqual(await audio(page), { music: false, overclick: false }, 'the browser blocks sound before any interaction');
      await page.mouse.click(3, 3);
      await page.waitForFunction(() => !document.querySelector('audio[data-fotovia="music"]').paused);
      await hoverCell(page, 1);
      assert.deepEqual(await audio(page), { music: true, overclick: true });
      assert.equal(await label(page, 'togglesounds'), 'Audio Off');
      await page.click('.fv-button[data-action="togglesounds"]');
      assert.equal((await state(page)).sound, 'off');
      assert.equal(await label(page, 'togglesounds'), 'Audio On');
      await hoverCell(page, 2);
      assert.deepEqual(await audio(page), { music: false, overclick: false });
      await page.click('.fv-button[data-action="togglesounds"]');
      await page.waitForFunction(() => !document.querySelector('audio[data-fotovia="music"]').paused);
      assert.equal(await label(page, 'togglesounds'), 'Audio Off');
      assert.deepEqual(faults, []);
    }));
  await t.test('a first click on the sound button keeps the gallery silent', async () => {
    const other = await h.launch();
    try {
      const g = await h.galleryFor(other, h.albumsPlan(1, 2, { files }));
      const { page, faults, close } = await h.openGallery(other, g);
      await page.click('.fv-button[data-action="togglesounds"]');
      await page.waitForTimeout(300);
      assert.deepEqual(await audio(page), { music: false, overclick: false });
      assert.deepEqual(faults, []);
      await close();
    } finally { await other.close(); }
  });
  await t.test('a gallery without sounds has nothing to play', () =>
    withGallery(h.albumsPlan(1, 2, { gallery: { bkmp3: '', overclick: '' } }), {}, async ({ page, faults }) => {
      assert.deepEqual(await audio(page), {});
      await page.click('.fv-button[data-action="togglesounds"]');
      await hoverCell(page, 1);
      assert.deepEqual(faults, []);
    }));
});

test('the address hash names the album and photo shown, and opens them', h.LIMIT, async (t) => {
  // Five photos per album, so that every photo of both albums has its own colour.
  const plan = h.albumsPlan(2, 5);
  await t.test('#a2p5 opens the fifth photo of the second album', () => withGallery(plan, { hash: '#a2p5' }, async ({ page, faults }) => {
    await h.waitPhoto(page, 2, 5);
    assert.ok(h.near(await photoAt(page), fx.photoColor(9)));
    const length = await page.evaluate(() => history.length);
    await page.keyboard.press('ArrowRight');
    await h.waitPhoto(page, 2, 1);
    assert.equal(new URL(page.url()).hash, '#a2p1', 'wrapping around');
    await page.keyboard.press('ArrowLeft');
    await h.waitPhoto(page, 2, 5);
    assert.equal(new URL(page.url()).hash, '#a2p5');
    assert.equal(await page.evaluate(() => history.length), length, 'stepping through photos does not fill the history');
    await page.evaluate(() => { location.hash = '#a1p3'; });
    await h.waitPhoto(page, 1, 3);
    assert.ok(h.near(await photoAt(page), fx.photoColor(2)));
    assert.deepEqual(faults, []);
  }));
  for (const hash of ['#a3p1', '#a1p6', '#a0p0', '#album']) {
    await t.test(`${hash} names no photo: the first one is shown`, () => withGallery(plan, { hash }, async ({ page, faults }) => {
      await h.waitPhoto(page, 1, 1);
      assert.equal(new URL(page.url()).hash, '#a1p1');
      assert.deepEqual(faults, []);
    }));
  }
  await t.test('a swipe on the photo goes to the next and the previous photo', () => withGallery(plan, {}, async ({ page, faults }) => {
    const o = await h.stageOrigin(page);
    const swipe = async (dx) => {
      await page.mouse.move(o.x + 250, o.y + 200);
      await page.mouse.down();
      await page.mouse.move(o.x + 250 + dx, o.y + 205, { steps: 5 });
      await page.mouse.up();
    };
    await swipe(-120);
    await h.waitPhoto(page, 1, 2);
    await swipe(120);
    await h.waitPhoto(page, 1, 1);
    assert.deepEqual(faults, []);
  }));
});

test('thumbnails load only near the visible part of the strip, which keeps the current photo in view', h.LIMIT, async () => {
  await withGallery(h.albumsPlan(1, 300), { hash: '#a1p250' }, async ({ page, server, faults }) => {
    await h.waitPhoto(page, 1, 250);
    const loaded = thumbRequests(server);
    assert.ok(loaded.length > 0 && loaded.length <= 30, `${loaded.length} thumbnails requested`);
    assert.ok(loaded.includes('/images/photo250_s.jpg'));
    assert.ok(!loaded.includes('/images/photo100_s.jpg'));
    const strip = await page.locator('.fv-strip').boundingBox();
    const cell = await page.locator('.fv-cell[data-index="249"]').boundingBox();
    assert.ok(cell.x >= strip.x && cell.x + cell.width <= strip.x + strip.width, 'the current cell is in view');
    // The wheel takes the strip on, and thumbnails follow.
    await page.mouse.move(strip.x + strip.width / 2, strip.y + strip.height / 2);
    for (let i = 0; i < 10; i++) await page.mouse.wheel(0, 500);
    await page.waitForFunction(() => document.querySelector('.fv-cell[data-index="299"]'));
    assert.ok(thumbRequests(server).includes('/images/photo300_s.jpg'));
    assert.ok(!thumbRequests(server).includes('/images/photo100_s.jpg'), 'nothing behind the strip\'s way');
    assert.deepEqual(faults, []);
  });
});

test('the strip scrolls toward the pointer near its ends, faster for a smaller thumbspeed, and by dragging', h.LIMIT, async () => {
  const offset = (page) => page.$eval('.fv-track', (t) => new DOMMatrix(getComputedStyle(t).transform).m41);
  const travelled = {};
  for (const speed of [5, 50]) {
    await withGallery(h.albumsPlan(1, 40, { gallery: { thumbspeed: speed } }), {}, async ({ page, faults }) => {
      const strip = await page.locator('.fv-strip').boundingBox();
      const y = strip.y + strip.height / 2;
      await page.mouse.move(strip.x + strip.width / 2, y);
      await page.mouse.move(strip.x + strip.width - 3, y, { steps: 3 });
      await page.waitForTimeout(400);
      await page.mouse.move(strip.x + strip.width / 2, y);
      travelled[speed] = -(await offset(page));
      const still = await offset(page);
      await page.waitForTimeout(150);
      assert.equal(await offset(page), still, 'the strip rests while the pointer is in its middle');
      if (speed === 50) {
        // Dragging moves the strip with the pointer and the release is no click on a thumbnail.
        const before = await offset(page);
        await page.mouse.down();
        await page.mouse.move(strip.x + strip.width / 2 - 200, y, { steps: 8 });
        await page.mouse.up();
        assert.ok(Math.abs((await offset(page)) - (before - 200)) <= 2, 'dragged 200 pixels');
        await page.waitForTimeout(100);
        assert.equal((await state(page)).photo, '1');
      }
      assert.deepEqual(faults, []);
    });
  }
  assert.ok(travelled[5] > 2 * travelled[50] && travelled[50] > 0, `thumbspeed 5 went ${travelled[5]} px, 50 went ${travelled[50]} px`);
});

test('buttons show their text or their icons and carry their current text as their name', h.LIMIT, async (t) => {
  const icons = { 'images/up.png': fx.encodePng(20, 20, [0, 200, 0]), 'images/down.png': fx.encodePng(20, 20, [200, 0, 0]) };
  // [button, what it shows before a click, and after]
  const cases = [
    [{ action: 'toggleplaypause', showtext: true, txt: 'Go', toggletxt: 'Stop', fntsize: 14, fntclr: 0x00FF00, fntbold: true, w: 80 },
      { text: 'Go', name: 'Go' }, { text: 'Stop', name: 'Stop' }],
    [{ action: 'toggleplaypause', showtext: true, txt: 'Go', toggletxt: 'Stop', toggle: false, w: 80 },
      { text: 'Go', name: 'Go' }, { text: 'Go', name: 'Go' }],
    [{ action: 'togglesounds', upicon: 'images/up.png', downicon: 'images/down.png' },
      { icon: /up\.png$/, name: 'Audio Off' }, { icon: /down\.png$/, name: 'Audio On' }],
    [{ action: 'showcatagories', txt: '', toggletxt: '' }, { svg: true, name: 'Show albums' }, { svg: true, name: 'Hide albums' }],
  ];
  for (const [button, first, second] of cases) {
    await t.test(JSON.stringify(button), () => withGallery(h.albumsPlan(1, 2, { buttons: [button], files: icons }), {}, async ({ page, faults }) => {
      const b = page.locator(`.fv-button[data-action="${button.action}"]`);
      for (const want of [first, second]) {
        assert.equal(await b.getAttribute('aria-label'), want.name);
        if (want.text) assert.equal(await b.innerText(), want.text);
        if (want.icon) assert.match(await b.locator('img').getAttribute('src'), want.icon);
        if (want.svg) assert.equal(await b.locator('svg').count(), 1);
        if (want === first) await b.click();
      }
      if (button.fntclr) {
        const s = await b.locator('.fv-txt').evaluate((e) => { const c = getComputedStyle(e); return [c.color, c.fontSize, c.fontWeight]; });
        assert.deepEqual(s, ['rgb(0, 255, 0)', '14px', '700']);
      }
      assert.deepEqual(faults, []);
    }));
  }
  await t.test('a button the file leaves out is not there', () => withGallery(h.albumsPlan(1, 1, { buttons: [{ action: 'togglesounds' }] }), {}, async ({ page }) => {
    assert.deepEqual(await page.$$eval('.fv-button', (bs) => bs.map((b) => b.dataset.action)), ['togglesounds']);
  }));
});

test('thumbnail cells take the cell style', h.LIMIT, async () => {
  const plan = h.albumsPlan(1, 3, {
    gallery: { bkfillclr: 0x000000, bkdobdr: false },
    header: { thumbhdrbkdobdr: false },
    cells: { thumbw: 60, thumbh: 60, thumbimgx: 10, thumbimgy: 10, thumbimgw: 40, thumbimgh: 40, thumbimgscale: true, thumbimgaspect: false,
      thumbdobk: true, thumbfillclr: 0x0000FF, thumbdobdr: true, thumbbdrsolid: true, thumbbdrcolor: 0xFFFF00,
      thumbhlight: true, thumbhlightwidth: 3, thumbhlightclr: 0x00FF00, thumbspacing: 20, thumbxyoffset: 5 },
    strip: { x: 10, y: 380, w: 400, h: 70 },
  });
  await withGallery(plan, {}, async ({ page, faults }) => {
    // Cell 1 (not current) starts at 5 + 80 in the strip, i.e. at stage x 95, y 385.
    assert.ok(h.near(await h.stagePixel(page, 95, 410), [255, 255, 0]), 'cell border');
    assert.ok(h.near(await h.stagePixel(page, 100, 390), [0, 0, 255]), 'cell fill');
    assert.ok(h.near(await h.stagePixel(page, 115, 415), fx.photoColor(1)), 'the thumbnail stretched over its box');
    // The current cell carries the highlight outline.
    assert.ok(h.near(await h.stagePixel(page, 16, 410), [0, 255, 0]), 'highlight on the current cell');
    assert.ok(h.near(await h.stagePixel(page, 97, 410), [0, 0, 255]), 'no highlight on the others');
    await page.mouse.move(...Object.values(await h.stageOrigin(page)).slice(0, 2).map((v, i) => v + [120, 415][i]));
    assert.ok(h.near(await h.stagePixel(page, 96, 410), [0, 255, 0]), 'highlight under the pointer');
    assert.deepEqual(faults, []);
  });
});

test('two gallery snippets on one page play side by side', h.LIMIT, async () => {
  const dir = fx.tempDir();
  await fx.writeGalleryFolder(dir, h.albumsPlan(1, 3, { w: 300, h: 300 }), { name: 'first', encode: browser.encode });
  await fx.writeGalleryFolder(dir, h.albumsPlan(2, 2, { w: 300, h: 300 }), { name: 'second', encode: browser.encode });
  const page = `<html><body>${fx.snippet(300, 300, 'first.swf')}\r\n<p>between</p>\r\n${fx.snippet(300, 300, 'second.swf')}</body></html>`;
  fs.writeFileSync(path.join(dir, 'two.html'), page);
  const o = await h.openGallery(browser, { dir, page: 'two.html' }, { wait: null });
  try {
    await o.page.waitForFunction(() => [...document.querySelectorAll('.fv-root')].map((r) => r.dataset.state).join() === 'shown,shown');
    assert.equal(await o.page.locator('object').count(), 0);
    const second = o.page.locator('.fv-root').nth(1);
    assert.equal(await second.locator('.fv-cell').count(), 2);
    await second.locator('.fv-cell[data-index="1"]').click();
    await o.page.keyboard.press('ArrowLeft');
    await o.page.waitForFunction(() => document.querySelectorAll('.fv-root')[1].dataset.photo === '1');
    assert.equal(await o.page.locator('.fv-root').first().getAttribute('data-photo'), '1', 'the keys went to the gallery in use');
    assert.deepEqual(o.faults, []);
  } finally { await o.close(); }
});
