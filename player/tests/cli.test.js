'use strict';
// A gallery folder made by fotovia-cli itself, served as a web server would, plays in the browser.
// FOTOVIA_CLI names the built tool; CTest sets it.

const { test, before, after } = require('node:test');
const assert = require('node:assert/strict');
const fs = require('node:fs');
const path = require('node:path');
const { execFileSync } = require('node:child_process');
const h = require('./harness');
const fx = require('./fixtures');

const cli = process.env.FOTOVIA_CLI;
let browser;
before(async () => { if (cli) browser = await h.launch(); });
after(async () => { await browser?.close(); });

test('a gallery built by fotovia-cli plays its photos', { ...h.LIMIT, skip: !cli && 'FOTOVIA_CLI is not set' }, async () => {
  const root = fx.tempDir();
  const photos = path.join(root, 'photos');
  const site = path.join(root, 'site');
  fs.mkdirSync(photos);
  fs.mkdirSync(site);
  const colours = [fx.photoColor(0), fx.photoColor(1), fx.photoColor(2)];
  colours.forEach((rgb, i) => fs.writeFileSync(path.join(photos, `photo ${i + 1}.png`), fx.encodePng(320, 240, rgb)));
  execFileSync(cli, ['build', photos, path.join(site, 'gallery.xml'), '--album', 'Colours'], { stdio: 'pipe' });
  assert.ok(fs.existsSync(path.join(site, 'fotovia-player.js')), 'the saved folder carries the player');
  assert.ok(fs.existsSync(path.join(site, 'images', 'photo_2.jpg')));

  const g = { dir: site, page: 'gallery.html', xml: 'gallery.xml' };
  const o = await h.openGallery(browser, g);
  try {
    const stage = await h.stageOrigin(o.page);
    assert.deepEqual([stage.width, stage.height], [500, 462]);
    // The new gallery's black fill, and the first photo in the middle of the image display.
    assert.ok(h.near(await h.stagePixel(o.page, 5, 5), [0, 0, 0]));
    await h.waitPhoto(o.page, 1, 1);
    await o.page.waitForTimeout(1200); // let the cross-fade finish
    assert.ok(h.near(await h.stagePixel(o.page, 250, 190), colours[0], 12));
    await o.page.click('.fv-cell[data-index="1"]');
    await h.waitPhoto(o.page, 1, 2);
    await o.page.waitForTimeout(1200);
    assert.ok(h.near(await h.stagePixel(o.page, 250, 190), colours[1], 12));
    assert.deepEqual(o.faults, []);
  } finally {
    await o.close();
  }
});
