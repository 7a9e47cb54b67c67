'use strict';
// Test galleries for the player: a gallery folder laid out as Fotovia saves it (XML, HTML page,
// images folder, sounds), a tiny picture and sound maker, and a static web server on 127.0.0.1.
//
// makeGallery() writes the folder itself, so that a test can set any value of the file;
// cli.test.js checks a folder made by fotovia-cli against the player.

const fs = require('node:fs');
const path = require('node:path');
const os = require('node:os');
const http = require('node:http');
const zlib = require('node:zlib');

const PLAYER = path.join(__dirname, '..', 'fotovia-player.js');
const CRLF = '\r\n';

// ------------------------------------------------------------------ pictures

const CRC_TABLE = (() => {
  const t = new Uint32Array(256);
  for (let n = 0; n < 256; n++) {
    let c = n;
    for (let k = 0; k < 8; k++) c = c & 1 ? 0xedb88320 ^ (c >>> 1) : c >>> 1;
    t[n] = c >>> 0;
  }
  return t;
})();

function crc32(buf) {
  let c = 0xffffffff;
  for (const b of buf) c = CRC_TABLE[(c ^ b) & 255] ^ (c >>> 8);
  return (c ^ 0xffffffff) >>> 0;
}

function pngChunk(type, data) {
  const len = Buffer.alloc(4);
  len.writeUInt32BE(data.length);
  const td = Buffer.concat([Buffer.from(type, 'latin1'), data]);
  const crc = Buffer.alloc(4);
  crc.writeUInt32BE(crc32(td));
  return Buffer.concat([len, td, crc]);
}

// A solid RGB picture; `rows` may paint some rows in a second colour to tell pictures' edges apart.
function encodePng(w, h, rgb) {
  const row = Buffer.alloc(1 + w * 3);
  for (let x = 0; x < w; x++) row.set(rgb, 1 + x * 3);
  const raw = Buffer.concat(Array.from({ length: h }, () => row));
  const ihdr = Buffer.alloc(13);
  ihdr.writeUInt32BE(w, 0);
  ihdr.writeUInt32BE(h, 4);
  ihdr[8] = 8; ihdr[9] = 2; // 8-bit truecolour
  return Buffer.concat([
    Buffer.from([0x89, 0x50, 0x4e, 0x47, 0x0d, 0x0a, 0x1a, 0x0a]),
    pngChunk('IHDR', ihdr), pngChunk('IDAT', zlib.deflateSync(raw)), pngChunk('IEND', Buffer.alloc(0)),
  ]);
}

// Reads the 8-bit, non-interlaced PNGs that Chromium's screenshots are.
function decodePng(buf) {
  let off = 8, w = 0, h = 0, type = 0;
  const idat = [];
  while (off < buf.length) {
    const len = buf.readUInt32BE(off);
    const t = buf.toString('latin1', off + 4, off + 8);
    const data = buf.subarray(off + 8, off + 8 + len);
    if (t === 'IHDR') { w = data.readUInt32BE(0); h = data.readUInt32BE(4); type = data[9]; }
    if (t === 'IDAT') idat.push(data);
    off += 12 + len;
  }
  const bpp = type === 6 ? 4 : 3;
  const raw = zlib.inflateSync(Buffer.concat(idat));
  const stride = w * bpp, px = Buffer.alloc(h * stride);
  for (let y = 0; y < h; y++) {
    const f = raw[y * (stride + 1)], src = y * (stride + 1) + 1, dst = y * stride;
    for (let x = 0; x < stride; x++) {
      const a = x >= bpp ? px[dst + x - bpp] : 0, b = y ? px[dst - stride + x] : 0;
      const c = x >= bpp && y ? px[dst - stride + x - bpp] : 0;
      let v = raw[src + x];
      if (f === 1) v += a; else if (f === 2) v += b; else if (f === 3) v += (a + b) >> 1;
      else if (f === 4) { const p = a + b - c, pa = Math.abs(p - a), pb = Math.abs(p - b), pc = Math.abs(p - c); v += pa <= pb && pa <= pc ? a : pb <= pc ? b : c; }
      px[dst + x] = v & 255;
    }
  }
  return { width: w, height: h, pixel: (x, y) => Array.from(px.subarray((y * w + x) * bpp, (y * w + x) * bpp + 3)) };
}

// Real baseline JPEGs, as Fotovia writes them, made by the browser under test.
function browserJpegEncoder(page) {
  const cache = new Map();
  return async (w, h, rgb) => {
    const key = `${w}x${h}:${rgb}`;
    if (!cache.has(key)) {
      const b64 = await page.evaluate(([w, h, rgb]) => {
        const c = document.createElement('canvas');
        c.width = w; c.height = h;
        const g = c.getContext('2d');
        g.fillStyle = `rgb(${rgb[0]},${rgb[1]},${rgb[2]})`;
        g.fillRect(0, 0, w, h);
        return c.toDataURL('image/jpeg', 0.95).split(',')[1];
      }, [w, h, rgb]);
      cache.set(key, Buffer.from(b64, 'base64'));
    }
    return cache.get(key);
  };
}

// ------------------------------------------------------------------ sounds

function encodeWav(seconds = 0.5, freq = 440) {
  const rate = 8000, n = Math.round(rate * seconds);
  const b = Buffer.alloc(44 + n * 2);
  b.write('RIFF', 0, 'latin1'); b.writeUInt32LE(36 + n * 2, 4); b.write('WAVEfmt ', 8, 'latin1');
  b.writeUInt32LE(16, 16); b.writeUInt16LE(1, 20); b.writeUInt16LE(1, 22);
  b.writeUInt32LE(rate, 24); b.writeUInt32LE(rate * 2, 28); b.writeUInt16LE(2, 32); b.writeUInt16LE(16, 34);
  b.write('data', 36, 'latin1'); b.writeUInt32LE(n * 2, 40);
  for (let i = 0; i < n; i++) b.writeInt16LE(Math.round(6000 * Math.sin((2 * Math.PI * freq * i) / rate)), 44 + i * 2);
  return b;
}

// ------------------------------------------------------------------ the gallery file

const hexColor = (c) => '0x' + (c >>> 0 & 0xffffff).toString(16).toUpperCase().padStart(6, '0');
const escapeXml = (s) => String(s).replace(/&/g, '&amp;').replace(/</g, '&lt;').replace(/>/g, '&gt;')
  .replace(/'/g, '&apos;').replace(/"/g, '&quot;');

// Each group: [attribute, kind, value of a new gallery]. Kinds: i integer, f flag, c colour, t text.
const GALLERY_A = [
  ['x', 'i', 0], ['y', 'i', 0], ['w', 'i', 500], ['h', 'i', 462], ['bkdobk', 'f', true], ['bkdogradient', 'f', false],
  ['bkfillclr', 'c', 0x000000], ['bkfillalpha', 'i', 100], ['bkgradclr', 'c', 0xFFFFFF], ['bkgradalpha', 'i', 100],
  ['bkgradangle', 'i', 70], ['bkdoimg', 'f', false], ['bkimg', 't', ''], ['bkdobdr', 'f', true],
  ['bkbdrsolid', 'f', true], ['bkbdrcolor', 'c', 0x808080], ['bkmp3', 't', 'butteryloop1.mp3'],
  ['overclick', 't', 'default.mp3'], ['playspeed', 'i', 100], ['thumbspeed', 'i', 15],
  ['captionfontsize', 'i', 10, 3], ['captionfontcolor', 'c', 0x000000, 3], ['captionfontbkcolor', 'c', 0xFFFFFF, 3],
  ['captionfont', 't', 'Arial', 3], ['docatsonstartup', 'f', false], ['docplayonstartup', 'f', false],
];
const GALLERY_B = [
  ['thumbhdrbkdo', 'f', false], ['thumbhdrbkdogradient', 'f', false], ['thumbhdrbkfillclr', 'c', 0x000000],
  ['thumbhdrbkfillalpha', 'i', 100], ['thumbhdrbkgradclr', 'c', 0xFFFFFF], ['thumbhdrbkgradalpha', 'i', 70],
  ['thumbhdrbkgradangle', 'i', 70], ['thumbhdrbkdoimg', 'f', false], ['thumbhdrbkimg', 't', ''],
  ['thumbhdrbkdobdr', 'f', true], ['thumbhdrbkbdrsolid', 'f', true], ['thumbhdrbkbdrcolor', 'c', 0xFFFFFF],
];
const GALLERY_C = [
  ['thumbw', 'i', 100], ['thumbh', 'i', 70], ['thumbimgw', 'i', 98], ['thumbimgh', 'i', 68], ['thumbimgx', 'i', 1],
  ['thumbimgy', 'i', 1], ['thumbalpha', 'i', 100], ['thumbspacing', 'i', 5], ['thumbxyoffset', 'i', 5],
  ['thumbfxfade', 'f', false], ['thumbdobdr', 'f', true], ['thumbbdrsolid', 'f', true], ['thumbhlight', 'f', true],
  ['thumbshdw', 'f', false], ['thumbdobk', 'f', false], ['thumbdogradient', 'f', false], ['thumbimgscale', 'f', true],
  ['thumbimgaspect', 'f', true], ['thumbbdrcolor', 'c', 0xFFFFFF], ['thumbhlightclr', 'c', 0xFF0000],
  ['thumbshdwclr', 'c', 0x000000], ['thumbfillclr', 'c', 0x000000], ['thumbgradclr', 'c', 0xFFFFFF],
  ['thumbhlightwidth', 'i', 2], ['thumbgradangle', 'i', 70],
];
const POSITION = (x, y, w, h) => [['x', 'i', x], ['y', 'i', y], ['w', 'i', w], ['h', 'i', h]];
const BACKGROUND = (o = {}) => [
  ['bkdobk', 'f', o.bkdobk ?? false], ['bkdogradient', 'f', o.bkdogradient ?? false],
  ['bkfillclr', 'c', o.bkfillclr ?? 0xFFFFFF], ['bkfillalpha', 'i', o.bkfillalpha ?? 100],
  ['bkgradclr', 'c', o.bkgradclr ?? 0x808080], ['bkgradalpha', 'i', o.bkgradalpha ?? 70], ['bkgradangle', 'i', 70],
  ['bkdoimg', 'f', false], ['bkimg', 't', ''], ['bkdobdr', 'f', o.bkdobdr ?? false],
  ['bkbdrsolid', 'f', o.bkbdrsolid ?? false], ['bkbdrcolor', 'c', 0x000000], ['bkdomask', 'f', true],
];
const FONT = [
  ['fntx', 'i', 0], ['fnty', 'i', 0], ['fntalpha', 'i', 100], ['fnttext', 't', 'Search'], ['fntsize', 'i', 10],
  ['fntclr', 'c', 0xFFFFFF], ['fntbold', 'f', false], ['fntitalic', 'f', false], ['fnt', 't', 'Arial'],
];
const DISPLAY_OWN = [['doclickfullsize', 'f', true], ['scaletofit', 'f', true], ['aspratio', 'f', false], ['loaderw', 'i', 200]];
const MENU_LAYOUT = [
  ['catw', 'i', 200], ['cath', 'i', 75], ['catxypadding', 'i', 10], ['cathlight', 'f', true], ['cathlightwidth', 'i', 2],
  ['cathlightclr', 'c', 0xFF0000], ['catimgw', 'i', 50], ['catimgh', 'i', 38], ['catfontsize', 'i', 10],
  ['catfontclr', 'c', 0xFFFFFF], ['catfont', 't', 'Tahoma'],
];
const MENU_TILES = [
  ['catdobk', 'f', true], ['catdogradient', 'f', false], ['catfillclr', 'c', 0x000000], ['catfillalpha', 'i', 25],
  ['catgradclr', 'c', 0xC0C0C0], ['catgradalpha', 'i', 70], ['catgradangle', 'i', 70], ['catdobdr', 'f', true],
  ['catbdrsolid', 'f', true], ['catbdrcolor', 'c', 0xFFFFFF],
];
const BUTTONS = {
  toggleplaypause: { y: -87, txt: 'Play Slideshow', toggletxt: 'Pause Slideshow' },
  togglesounds: { y: -57, txt: 'Audio Off', toggletxt: 'Audio On' },
  showcatagories: { y: -30, txt: 'Show Albums', toggletxt: 'Hide Albums' },
};

// A value given as a string is written as it is (escaped), so tests can put any text anywhere.
function formatValue(kind, v) {
  if (typeof v === 'string') return escapeXml(v);
  if (kind === 'f') return v ? 't' : 'f';
  if (kind === 'c') return hexColor(v);
  return String(v);
}

function attrLines(group, values = {}, indent = 3) {
  return group.filter(([name]) => values[name] !== null).map(([name, kind, def, ind]) =>
    ' '.repeat(ind ?? indent) + name + '="' + formatValue(kind, name in values ? values[name] : def) + '"');
}

function menuSize(W, D, n, layout) {
  const catw = +layout.catw, cath = +layout.cath, pad = +layout.catxypadding;
  const cols = Math.floor(W / (catw + pad));
  let w = (catw + pad) * cols + pad + 12, h;
  if (n === 1) { w = 2 * pad + catw + 12; h = 2 * pad + cath; } else if (cols <= 0) h = 2 * pad + cath;
  else h = Math.ceil(n / cols) * (pad + cath) + pad;
  return { w, h: Math.min(h, D) };
}

// g: { w, h, gallery, display, buttons, strip, albums: [{ name, text, images: [{ big, thumb, caption, link }] }],
//      menuPanel, menu }. Every group takes attribute overrides by their XML names.
function galleryXml(g) {
  const W = g.w ?? 500, H = g.h ?? 462;
  const L = [];
  const push = (...lines) => L.push(...lines);
  push('<?xml version="1.0"?>', '', '<pelliconimagegallery version="3.5">', '', '  <imagegallery');
  push(...attrLines(GALLERY_A, { w: W, h: H, ...g.gallery }, 4), '');
  push(...attrLines(GALLERY_B, g.header), '');
  push(...attrLines(GALLERY_C, g.cells), '  >');

  const d = { x: 10, y: 10, w: W - 20, h: Math.floor((W - 20) / 4) * 3, ...g.display };
  push('  <imagedisplay', ...attrLines([...POSITION(d.x, d.y, d.w, d.h), ...BACKGROUND(), ...DISPLAY_OWN], d), '  >', '  </imagedisplay>', '');

  for (const b of g.buttons ?? Object.keys(BUTTONS).map((action) => ({ action }))) {
    const def = BUTTONS[b.action] ?? { y: -30, txt: '', toggletxt: '' };
    const own = [['txt', 't', def.txt], ['toggletxt', 't', def.toggletxt], ['action', 't', b.action]];
    if (b.upicon) own.push(['upicon', 't', b.upicon]);
    if (b.downicon) own.push(['downicon', 't', b.downicon]);
    own.push(['showtext', 'f', false], ['toggle', 'f', true]);
    push('  <button', ...attrLines([...POSITION(W - 38, H + def.y, 25, 25), ...BACKGROUND({ bkfillclr: 0xC0C0C0, bkbdrsolid: true }), ...FONT, ...own], b), '  >', '  </button>', '');
  }

  const s = { x: 10, y: H - 87, w: W - 50, h: 80, ...g.strip };
  const albums = g.albums ?? [];
  albums.forEach((al, i) => {
    push('  <thumbnailer', ...attrLines(POSITION(s.x, s.y, s.w, s.h), s), `   myname="thumbs${i + 1}"`);
    al.images.forEach((im, k) => {
      const n = k + 1;
      push(`   image${n}="images/${im.thumb}"`, `   bigimage${n}="images/${im.big}"`);
      if (im.link) push(`   imagelink${n}="${escapeXml(im.link)}"`);
      if (im.caption) push(`   imagecaption${n}="${escapeXml(im.caption)}"`);
    });
    push('', '  >', '  </thumbnailer>', '');
  });

  const layout = Object.fromEntries(MENU_LAYOUT.map(([n, , v]) => [n, v]));
  Object.assign(layout, g.menu);
  const size = menuSize(W, d.h, albums.length, layout);
  push('  <catagories', ...attrLines(BACKGROUND({ bkdobk: true, bkfillclr: 0x000000, bkfillalpha: 25, bkgradalpha: 25 }), g.menuPanel));
  push(...attrLines([['w', 'i', size.w], ['h', 'i', size.h], ...MENU_LAYOUT], g.menu), '');
  push(...attrLines(MENU_TILES, g.menu));
  albums.forEach((al, i) => {
    const n = i + 1;
    push(`   cat${n}link="thumbs${n}"`, `   cat${n}name="${escapeXml(al.name ?? 'My Images')}"`,
      `   cat${n}text="${escapeXml(al.text ?? 'Put the description of your images here.')}"`,
      `   cat${n}image="images/${al.images.length ? al.images[0].thumb : ''}"`, '');
  });
  push('  ></catagories>', '</imagegallery>', '</pelliconimagegallery>');
  return L.join(CRLF);
}

function snippet(W, H, movie) {
  return [
    '<object classid="clsid:d27cdb6e-ae6d-11cf-96b8-444553540000"',
    ' codebase="http://download.macromedia.com/pub/shockwave/cabs/flash/swflash.cab#version=7,0,0,0"',
    ` width="${W}" height="${H}" id="Pellicon" align="middle">`,
    `<param name="movie" value="${movie}"/>`,
    '<param name="quality" value="high" />',
    '<param name="scale" value="noscale" />',
    '<param name="salign" value="lt" />',
    '<param name="bgcolor" value="#ffffff" />',
    `<embed src="${movie}" quality="high" bgcolor="#ffffff" width="${W}" height="${H}"`,
    ' name="Pellicon" scale="noscale" salign="lt" align="middle" type="application/x-shockwave-flash"',
    ' pluginspage="http://www.macromedia.com/go/getflashplayer" /></object>',
    '<script src="fotovia-player.js"></script>',
  ].join(CRLF);
}

function htmlPage(W, H, movie) {
  return '<html>\r\n<head><meta http-equiv="Content-Type" content="text/html; charset=iso-8859-1" /></head>\r\n' +
    '<body bgcolor="#FFFFFF"><p align="center"></br>\r\n\r\n\r\n\r\n\r\n' +
    '<!-- Here is the HTML that you need to copy and paste into your page -->\r\n' +
    snippet(W, H, movie) + '\r\n\r\n\r\n\r\n\r\n</p></body></html>';
}

// ------------------------------------------------------------------ gallery folders

function tempDir(prefix = 'fotovia-player-') {
  return fs.mkdtempSync(path.join(os.tmpdir(), prefix));
}

// Distinct, easily told apart colours for photo n.
function photoColor(n) {
  const palette = [[220, 40, 40], [40, 170, 60], [40, 80, 220], [230, 200, 30], [160, 50, 200], [30, 200, 210],
    [240, 130, 30], [120, 120, 120], [250, 120, 190], [90, 60, 20]];
  return palette[n % palette.length];
}

// plan: the galleryXml() description, where each image may also carry { color, width, height, missing }.
// Images without big/thumb names are named as Fotovia names imported photos.
async function writeGalleryFolder(dir, plan, { encode = async (w, h, rgb) => encodePng(w, h, rgb), name = 'myalbum' } = {}) {
  fs.mkdirSync(path.join(dir, 'images'), { recursive: true });
  let n = 0;
  for (const al of plan.albums ?? []) {
    for (const im of al.images) {
      n++;
      im.big ??= `photo${n}.jpg`;
      im.thumb ??= im.big.replace(/\.[^.]*$/, '') + '_s.jpg';
      const rgb = im.color ?? photoColor(n - 1);
      if (!im.missing) {
        const w = im.width ?? 400, h = im.height ?? 300;
        fs.writeFileSync(path.join(dir, 'images', im.big), await encode(w, h, rgb));
        const k = h >= w ? 100 / h : 150 / w;
        fs.writeFileSync(path.join(dir, 'images', im.thumb), await encode(Math.round(w * k), Math.round(h * k), rgb));
      }
    }
  }
  for (const [file, buf] of Object.entries(plan.files ?? {})) {
    fs.mkdirSync(path.dirname(path.join(dir, file)), { recursive: true });
    fs.writeFileSync(path.join(dir, file), buf);
  }
  const xml = plan.xmlText ?? galleryXml(plan);
  fs.writeFileSync(path.join(dir, name + '.xml'), xml, 'utf8');
  fs.writeFileSync(path.join(dir, name + '.html'), htmlPage(plan.w ?? 500, plan.h ?? 462, name + '.swf'), 'utf8');
  fs.copyFileSync(PLAYER, path.join(dir, 'fotovia-player.js'));
  return { dir, page: name + '.html', xml: name + '.xml' };
}

// Builds a gallery folder.
async function makeGallery(plan, opts = {}) {
  return writeGalleryFolder(tempDir(), plan, opts);
}

// ------------------------------------------------------------------ web server

const TYPES = {
  '.html': 'text/html; charset=utf-8', '.xml': 'text/xml', '.js': 'text/javascript', '.jpg': 'image/jpeg',
  '.png': 'image/png', '.mp3': 'audio/mpeg', '.wav': 'audio/wav', '.swf': 'application/x-shockwave-flash',
};

// Serves one folder on 127.0.0.1 at a free port; `requests` lists every path asked for.
function serve(root) {
  const requests = [];
  const server = http.createServer((req, res) => {
    let rel;
    try { rel = decodeURIComponent(new URL(req.url, 'http://127.0.0.1').pathname); } catch { rel = '/'; }
    requests.push(rel);
    const file = path.join(root, path.normalize(rel).replace(/^(\.\.[/\\])+/, ''));
    if (!file.startsWith(root) || !fs.existsSync(file) || !fs.statSync(file).isFile()) {
      res.writeHead(404, { 'Content-Type': 'text/plain' });
      res.end('not found');
      return;
    }
    const body = fs.readFileSync(file);
    res.writeHead(200, { 'Content-Type': TYPES[path.extname(file).toLowerCase()] ?? 'application/octet-stream', 'Content-Length': body.length, 'Cache-Control': 'no-store' });
    res.end(body);
  });
  return new Promise((resolve) => {
    server.listen(0, '127.0.0.1', () => {
      const { port } = server.address();
      resolve({
        url: `http://127.0.0.1:${port}/`, requests,
        close: () => new Promise((r) => { server.closeAllConnections?.(); server.close(() => r()); }),
      });
    });
  });
}

module.exports = {
  PLAYER, encodePng, decodePng, encodeWav, browserJpegEncoder, galleryXml, htmlPage, snippet, menuSize,
  makeGallery, writeGalleryFolder, serve, tempDir, photoColor, hexColor,
};
