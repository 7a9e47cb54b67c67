/*
 * Fotovia gallery player.
 *
 * Galleries saved by Fotovia embed a Flash movie that no current browser plays. This script takes
 * the place of that movie: it finds the page's <object> elements, reads the same gallery XML the
 * movie would have read and plays the gallery with plain DOM elements.
 *
 * No value in a gallery file may make the player throw: every number is parsed with a default and
 * clamped, every text goes through textContent, and every handler runs behind guard().
 */
(function () {
  'use strict';

  var me = document.currentScript;

  // A page that pastes two galleries carries the script twice; the first copy serves both.
  if (window.FotoviaPlayer && typeof window.FotoviaPlayer.upgrade === 'function') {
    window.FotoviaPlayer.upgrade(me);
    return;
  }

  var UPGRADED = '__fotoviaUpgraded';
  var FADE_MS = 450;
  var galleries = [];
  var primary = null;

  // ---------------------------------------------------------------- small helpers

  function report(err) {
    try { console.warn('Fotovia player:', err); } catch (e) { /* no console */ }
  }

  function guard(fn, self) {
    return function () {
      try { return fn.apply(self || this, arguments); } catch (err) { report(err); return undefined; }
    };
  }

  function clamp(v, lo, hi) { return v < lo ? lo : v > hi ? hi : v; }

  function el(tag, cls, parent) {
    var e = document.createElement(tag);
    if (cls) e.className = cls;
    if (parent) parent.appendChild(e);
    return e;
  }

  function place(e, x, y, w, h) {
    var s = e.style;
    s.left = x + 'px'; s.top = y + 'px'; s.width = w + 'px'; s.height = h + 'px';
  }

  function hex2(n) { return (n < 16 ? '0' : '') + n.toString(16); }

  function rgba(c, alpha) {
    var r = (c >> 16) & 255, g = (c >> 8) & 255, b = c & 255;
    if (alpha === undefined || alpha >= 100) return '#' + hex2(r) + hex2(g) + hex2(b);
    return 'rgba(' + r + ',' + g + ',' + b + ',' + (clamp(alpha, 0, 100) / 100) + ')';
  }

  // The designer's angle turns clockwise from a left-to-right blend; CSS starts at "to top".
  function gradientCss(c1, a1, c2, a2, angle) {
    return 'linear-gradient(' + ((((90 + angle) % 360) + 360) % 360) + 'deg,' +
      rgba(c1, a1) + ',' + rgba(c2, a2) + ')';
  }

  function fontFamily(name, fallback) {
    var n = String(name || '').replace(/["\\\r\n;{}<>]/g, '').trim();
    return (n ? '"' + n + '",' : '') + fallback;
  }

  function baseName(path) {
    var s = String(path || '').replace(/\\/g, '/');
    s = s.slice(s.lastIndexOf('/') + 1);
    try { return decodeURIComponent(s); } catch (e) { return s; }
  }

  // Links are typed by people: "www.example.com" means a web address, and script URLs are refused.
  function safeLink(v) {
    var s = String(v || '').trim();
    if (!s) return '';
    if (/^(javascript|vbscript|data)\s*:/i.test(s.replace(/[\s\u0000-\u001f]/g, ''))) return '';
    if (/^www\./i.test(s)) s = 'http://' + s;
    return s;
  }

  // ---------------------------------------------------------------- reading the gallery file

  // Attributes are read by name: walking a 1000-photo album's attribute list would create an Attr
  // object per attribute and cost more than parsing the whole file.
  function Reader(node) { this.node = node && node.getAttribute ? node : null; }
  Reader.prototype.has = function (n) { return !!this.node && this.node.hasAttribute(n); };
  Reader.prototype.text = function (n) {
    var v = this.node ? this.node.getAttribute(n) : null;
    return v === null ? '' : v;
  };
  Reader.prototype.flag = function (n) { return this.text(n).toLowerCase() === 't'; };
  Reader.prototype.int = function (n, def, lo, hi) {
    var s = this.has(n) ? this.text(n) : undefined, v = NaN;
    if (s !== undefined) {
      s = s.trim();
      var neg = s.charAt(0) === '-';
      var body = neg || s.charAt(0) === '+' ? s.slice(1) : s;
      if (/^\d{1,15}$/.test(body)) v = parseInt(body, 10);
      else if (/^(0x|\$)[0-9a-f]{1,13}$/i.test(body)) v = parseInt(body.replace(/^(0x|\$)/i, ''), 16);
      if (neg) v = -v;
    }
    if (!isFinite(v)) v = def;
    return clamp(v, lo, hi);
  };
  Reader.prototype.color = function (n, def) {
    var s = this.text(n).trim(), mm = /^(?:0x|#|\$)?([0-9a-f]{1,6})$/i.exec(s);
    return mm ? parseInt(mm[1], 16) : def;
  };

  var BIG = 8000;

  // One background group. The solid, gradient and picture flags exclude each other and a file that
  // sets several ends with the last one applied: picture over gradient over solid.
  function readBg(r, p, solidName, defs) {
    var bg = {
      solid: r.flag(solidName), grad: r.flag(p + 'bkdogradient'), img: r.flag(p + 'bkdoimg'),
      fill: r.color(p + 'bkfillclr', defs.fill), fillA: r.int(p + 'bkfillalpha', 100, 0, 100),
      gradC: r.color(p + 'bkgradclr', defs.grad), gradA: r.int(p + 'bkgradalpha', 100, 0, 100),
      angle: r.int(p + 'bkgradangle', 70, -1e9, 1e9),
      picture: r.text(p + 'bkimg').trim(),
      border: r.flag(p + 'bkdobdr'), borderSolid: r.flag(p + 'bkbdrsolid'),
      borderC: r.color(p + 'bkbdrcolor', defs.border),
      mask: r.flag(p + 'bkdomask')
    };
    bg.mode = bg.img ? 'img' : bg.grad ? 'grad' : bg.solid ? 'solid' : '';
    return bg;
  }

  function readPos(r) {
    return {
      x: r.int('x', 10, -BIG, BIG), y: r.int('y', 10, -BIG, BIG),
      w: r.int('w', 300, 0, BIG), h: r.int('h', 200, 0, BIG)
    };
  }

  var COMPONENT_COLORS = { fill: 0xFFFFFF, grad: 0x808080, border: 0x000000 };
  var ACTIONS = ['toggleplaypause', 'togglesounds', 'showcatagories'];

  function childElements(node, name) {
    var out = [];
    if (!node) return out;
    for (var c = node.firstElementChild; c; c = c.nextElementSibling) {
      if (c.nodeName.toLowerCase() === name) out.push(c);
    }
    return out;
  }

  function readGallery(doc) {
    var root = null;
    for (var n = doc.firstChild; n; n = n.nextSibling) {
      if (n.nodeType === 1 && n.nodeName.toLowerCase() === 'pelliconimagegallery') { root = n; break; }
    }
    if (!root) return null;
    var ig = childElements(root, 'imagegallery')[0] || null;
    var r = new Reader(ig);
    var g = {
      w: r.int('w', 400, 1, BIG), h: r.int('h', 300, 1, BIG),
      bg: readBg(r, '', 'bkdobk', { fill: 0x000000, grad: 0xFFFFFF, border: 0x808080 }),
      music: r.text('bkmp3').trim(), over: r.text('overclick').trim(),
      speed: r.int('playspeed', 100, 1, 24 * 86400),
      thumbSpeed: r.int('thumbspeed', 15, 1, 1000),
      caption: {
        size: r.int('captionfontsize', 10, 1, 400), color: r.color('captionfontcolor', 0x000000),
        bk: r.color('captionfontbkcolor', 0xFFFFFF), font: r.text('captionfont')
      },
      albumsOnStart: r.flag('docatsonstartup'), playOnStart: r.flag('docplayonstartup'),
      header: readBg(r, 'thumbhdr', 'thumbhdrbkdo', { fill: 0x000000, grad: 0xFFFFFF, border: 0xFFFFFF }),
      cell: {
        w: r.int('thumbw', 85, 0, BIG), h: r.int('thumbh', 110, 0, BIG),
        imgW: r.int('thumbimgw', 100, 0, BIG), imgH: r.int('thumbimgh', 75, 0, BIG),
        imgX: r.int('thumbimgx', 5, -BIG, BIG), imgY: r.int('thumbimgy', 5, -BIG, BIG),
        alpha: r.int('thumbalpha', 100, 0, 100), spacing: r.int('thumbspacing', 10, -BIG, BIG),
        offset: r.int('thumbxyoffset', 5, -BIG, BIG), fade: r.flag('thumbfxfade'),
        border: r.flag('thumbdobdr'), borderSolid: r.flag('thumbbdrsolid'),
        highlight: r.flag('thumbhlight'), shadow: r.flag('thumbshdw'),
        solid: r.flag('thumbdobk'), grad: r.flag('thumbdogradient'),
        scale: r.flag('thumbimgscale'), aspect: r.flag('thumbimgaspect'),
        borderC: r.color('thumbbdrcolor', 0xFFFFFF), highlightC: r.color('thumbhlightclr', 0xFF0000),
        shadowC: r.color('thumbshdwclr', 0x000000), fill: r.color('thumbfillclr', 0x000000),
        gradC: r.color('thumbgradclr', 0xFFFFFF), highlightW: r.int('thumbhlightwidth', 1, 0, 100),
        angle: r.int('thumbgradangle', 70, -1e9, 1e9)
      },
      display: null, buttons: [], albums: [], menu: null
    };

    var dn = childElements(ig, 'imagedisplay');
    var dr = new Reader(dn[dn.length - 1] || null);
    g.display = {
      pos: readPos(dr), bg: readBg(dr, '', 'bkdobk', COMPONENT_COLORS),
      clickFull: dr.flag('doclickfullsize'), scale: dr.flag('scaletofit'), aspect: dr.flag('aspratio'),
      loaderW: dr.int('loaderw', 200, 0, BIG)
    };

    // One button per action; a later element for the same action replaces the earlier one.
    var byAction = {};
    childElements(ig, 'button').forEach(function (b) {
      var br = new Reader(b), action = br.text('action').trim().toLowerCase();
      if (ACTIONS.indexOf(action) < 0) return;
      byAction[action] = {
        action: action, pos: readPos(br), bg: readBg(br, '', 'bkdobk', COMPONENT_COLORS),
        font: {
          x: br.int('fntx', 10, -BIG, BIG), y: br.int('fnty', 10, -BIG, BIG),
          alpha: br.int('fntalpha', 100, 0, 100), size: br.int('fntsize', 10, 1, 400),
          color: br.color('fntclr', 0xFFFFFF), bold: br.flag('fntbold'), italic: br.flag('fntitalic'),
          face: br.text('fnt')
        },
        txt: br.text('txt'), toggleTxt: br.text('toggletxt'),
        upIcon: br.text('upicon').trim(), downIcon: br.text('downicon').trim(),
        showText: br.flag('showtext'), toggle: br.flag('toggle')
      };
    });
    ACTIONS.forEach(function (a) { if (byAction[a]) g.buttons.push(byAction[a]); });

    childElements(ig, 'thumbnailer').forEach(function (t) {
      var tr = new Reader(t);
      if (!tr.has('myname')) return;
      var album = { link: tr.text('myname'), pos: readPos(tr), images: [], name: '', text: '', cover: '' };
      for (var i = 1; tr.has('bigimage' + i); i++) {
        album.images.push({
          big: tr.text('bigimage' + i).trim(), thumb: tr.text('image' + i).trim(),
          link: tr.text('imagelink' + i), caption: tr.text('imagecaption' + i)
        });
      }
      g.albums.push(album);
    });

    var cn = childElements(ig, 'catagories');
    var cr = new Reader(cn[cn.length - 1] || null);
    g.menu = {
      bg: readBg(cr, '', 'bkdobk', { fill: 0x000000, grad: 0x808080, border: 0x000000 }),
      w: cr.int('w', 0, -BIG, BIG), h: cr.int('h', 0, -BIG, BIG),
      catW: cr.int('catw', 100, 0, BIG), catH: cr.int('cath', 50, 0, BIG),
      pad: cr.int('catxypadding', 10, 0, BIG),
      highlight: cr.flag('cathlight'), highlightW: cr.int('cathlightwidth', 1, 0, 100),
      highlightC: cr.color('cathlightclr', 0xFF0000),
      imgW: cr.int('catimgw', 50, 0, BIG), imgH: cr.int('catimgh', 50, 0, BIG),
      fontSize: cr.int('catfontsize', 14, 1, 400), fontC: cr.color('catfontclr', 0xFFFFFF),
      font: cr.text('catfont'),
      solid: cr.flag('catdobk'), grad: cr.flag('catdogradient'),
      fill: cr.color('catfillclr', 0x000000), fillA: cr.int('catfillalpha', 100, 0, 100),
      gradC: cr.color('catgradclr', 0xC0C0C0), gradA: cr.int('catgradalpha', 100, 0, 100),
      angle: cr.int('catgradangle', 70, -1e9, 1e9),
      border: cr.flag('catdobdr'), borderSolid: cr.flag('catbdrsolid'),
      borderC: cr.color('catbdrcolor', 0xFFFFFF)
    };
    for (var i = 1; cr.has('cat' + i + 'link'); i++) {
      var link = cr.text('cat' + i + 'link');
      g.albums.forEach(function (al) {
        if (al.link === link) {
          al.name = cr.text('cat' + i + 'name');
          al.text = cr.text('cat' + i + 'text');
          al.cover = cr.text('cat' + i + 'image').trim();
        }
      });
    }
    return g;
  }

  // ---------------------------------------------------------------- looks

  var CSS = [
    '.fv-root{position:relative;display:inline-block;vertical-align:middle;overflow:hidden;max-width:100%;',
    'text-align:left;line-height:1.2;font:12px Arial,Helvetica,sans-serif;color:#000;',
    '-webkit-user-select:none;user-select:none;-webkit-tap-highlight-color:transparent}',
    '.fv-root *{box-sizing:border-box}',
    '.fv-stage{position:absolute;left:0;top:0;overflow:hidden;transform-origin:0 0}',
    '.fv-abs,.fv-bdr,.fv-hl{position:absolute}',
    '.fv-bdr,.fv-hl{left:0;top:0;right:0;bottom:0;pointer-events:none;z-index:5}',
    '.fv-hl{display:none;z-index:6}',
    '.fv-cell:hover>.fv-hl,.fv-cell.fv-cur>.fv-hl,.fv-tile:hover>.fv-hl,.fv-tile:focus-visible>.fv-hl{display:block}',
    '.fv-btn{all:unset;position:absolute;display:block;box-sizing:border-box;cursor:pointer;overflow:visible}',
    '.fv-btn:focus-visible{outline:2px solid #4a90d9;outline-offset:1px}',
    '.fv-masked{overflow:hidden}',
    '.fv-link{position:absolute;left:0;top:0;right:0;bottom:0;display:block;cursor:default;outline:none}',
    '.fv-link[href]{cursor:pointer}',
    '.fv-display{touch-action:pan-y}',
    '.fv-photo{position:absolute;max-width:none;opacity:0;transition:opacity ' + FADE_MS + 'ms ease}',
    '.fv-photo.fv-in{opacity:1}',
    '.fv-caption{position:absolute;left:50%;transform:translateX(-50%);max-width:100%;padding:2px 6px;',
    'white-space:pre-wrap;text-align:center;z-index:3;pointer-events:none}',
    '.fv-loader{position:absolute;height:6px;overflow:hidden;background:rgba(128,128,128,.35);z-index:4;',
    'pointer-events:none;display:none}',
    '.fv-loader>div{position:absolute;top:0;bottom:0;width:35%;background:rgba(255,255,255,.85);',
    'animation:fv-run 1.1s linear infinite}',
    '@keyframes fv-run{from{left:-35%}to{left:100%}}',
    '.fv-missing{position:absolute;display:flex;flex-direction:column;align-items:center;justify-content:center;',
    'background:#777;color:#eee;font:12px Arial,sans-serif;text-align:center;overflow:hidden;padding:4px;',
    'opacity:0;transition:opacity ' + FADE_MS + 'ms ease}',
    '.fv-missing.fv-in{opacity:1}',
    '.fv-missing::before{content:"";width:28px;height:22px;margin-bottom:6px;border:2px solid #eee;',
    'border-radius:3px;background:linear-gradient(135deg,transparent 45%,#eee 45%,#eee 55%,transparent 55%)}',
    '.fv-strip{touch-action:pan-y}',
    '.fv-view{position:absolute;left:0;top:0;right:0;bottom:0;overflow:hidden}',
    '.fv-track{position:absolute;left:0;top:0;height:100%;will-change:transform}',
    '.fv-thumb{position:absolute;max-width:none;-webkit-user-drag:none}',
    '.fv-thumb.fv-fade{opacity:0;transition:opacity .4s ease}.fv-thumb.fv-fade.fv-in{opacity:1}',
    '.fv-thumb.fv-broken{background:#777}',
    '.fv-menu{display:none;z-index:3}',
    '.fv-scroll{position:absolute;left:0;top:0;right:0;bottom:0;overflow-x:hidden;overflow-y:auto;overscroll-behavior:contain}',
    '.fv-menu.fv-open{display:block}',
    '.fv-tile{overflow:hidden}',
    '.fv-cover{position:absolute;object-fit:contain;-webkit-user-drag:none}',
    '.fv-tiletext{position:absolute;top:6px;right:0;bottom:0;overflow:hidden;white-space:normal;word-wrap:break-word}',
    '.fv-tiletext>b{display:block;margin-bottom:4px}',
    '.fv-txt{position:absolute;left:50%;top:50%;white-space:nowrap;pointer-events:none}',
    '.fv-icon{position:absolute;left:50%;top:50%;transform:translate(-50%,-50%);max-width:100%;max-height:100%;',
    'pointer-events:none;-webkit-user-drag:none}',
    '.fv-msg{position:absolute;left:0;top:0;right:0;bottom:0;display:flex;flex-direction:column;',
    'align-items:center;justify-content:center;gap:6px;padding:12px;text-align:center;background:#f3f3f3;',
    'border:1px solid #bbb;color:#333;font:13px Arial,Helvetica,sans-serif;overflow:auto;-webkit-user-select:text;user-select:text}',
    '.fv-msg b{font-size:14px}'
  ].join('');

  function injectCss() {
    if (document.getElementById('fotovia-player-css')) return;
    var s = document.createElement('style');
    s.id = 'fotovia-player-css';
    s.textContent = CSS;
    (document.head || document.documentElement).appendChild(s);
  }

  function addBorder(parent, color, style) {
    var b = el('div', 'fv-bdr', parent);
    b.style.border = '1px ' + style + ' ' + rgba(color);
    return b;
  }

  function addHighlight(parent, width, color) {
    var h = el('div', 'fv-hl', parent);
    h.style.border = width + 'px solid ' + rgba(color);
    return h;
  }

  // Built-in icons; currentColor lets each button's font colour tint them.
  var ICONS = {
    play: '<svg viewBox="0 0 24 24" width="24" height="24"><path fill="currentColor" d="M7 4v16l13-8z"/></svg>',
    pause: '<svg viewBox="0 0 24 24" width="24" height="24"><path fill="currentColor" d="M6 4h4v16H6zM14 4h4v16h-4z"/></svg>',
    sound: '<svg viewBox="0 0 19 22" width="19" height="22"><path fill="currentColor" d="M1 8h4l6-5v16l-6-5H1z"/>' +
      '<path fill="none" stroke="currentColor" stroke-width="1.6" d="M13.5 7.5a5 5 0 0 1 0 7M15.5 5a8.5 8.5 0 0 1 0 12"/></svg>',
    mute: '<svg viewBox="0 0 19 22" width="19" height="22"><path fill="currentColor" d="M1 8h4l6-5v16l-6-5H1z"/>' +
      '<path fill="none" stroke="currentColor" stroke-width="1.8" d="M13 8l5 6M18 8l-5 6"/></svg>',
    albums: '<svg viewBox="0 0 24 21" width="24" height="21"><path fill="currentColor" d="M1 1h10v8H1zM13 1h10v8H13zM1 12h10v8H1zM13 12h10v8H13z"/></svg>'
  };

  // ---------------------------------------------------------------- one gallery

  function Gallery(root, xmlUrl, boxW, boxH, xmlName) {
    this.root = root;
    this.xmlUrl = xmlUrl;
    this.xmlName = xmlName;
    this.boxW = boxW;
    this.boxH = boxH;
    this.scale = 1;
    this.ready = false;
    this.cur = { a: -1, p: -1 };
    this.playing = false;
    this.muted = false;
    this.menuOpen = false;
    this.token = 0;
    this.shown = false;
    this.timer = 0;
    this.firstShown = false;
    // fetching (the XML), ready, loading (a photo), shown or error: tests and pages can follow it.
    root.dataset.state = 'fetching';
    this.fitToPage();
  }

  var G = Gallery.prototype;

  G.fitToPage = function () {
    var self = this, root = this.root;
    root.style.width = this.boxW + 'px';
    root.style.height = this.boxH + 'px';
    var fit = guard(function () {
      var avail = root.clientWidth;
      var s = avail > 0 && avail < self.boxW ? avail / self.boxW : 1;
      self.scale = s;
      root.style.height = Math.round(self.boxH * s) + 'px';
      if (self.stage) self.stage.style.transform = s < 1 ? 'scale(' + s + ')' : '';
    });
    this.fit = fit;
    fit();
    if (typeof ResizeObserver === 'function') {
      new ResizeObserver(fit).observe(root);
    } else {
      window.addEventListener('resize', fit);
    }
  };

  G.message = function (title, lines) {
    this.root.dataset.state = 'error';
    if (this.stage) this.stage.style.display = 'none';
    var box = el('div', 'fv-msg', this.root);
    box.setAttribute('role', 'alert');
    el('b', '', box).textContent = title;
    (lines || []).forEach(function (l) { el('div', '', box).textContent = l; });
    try { this.root.dispatchEvent(new CustomEvent('fotovia:error', { bubbles: true, detail: { message: title } })); } catch (e) { /* old */ }
  };

  G.load = function () {
    var self = this, url = this.xmlUrl, name = this.xmlName;
    var fromDisk = /^file:/i.test(url) || location.protocol === 'file:';
    var failed = function (why) {
      var lines = [];
      if (why) lines.push(why);
      if (fromDisk) {
        lines.push('This page was opened straight from the disk. Put the gallery on a web server, ' +
          'or open it in Fotovia\'s preview.');
      }
      self.message('The gallery file "' + name + '" could not be loaded.', lines);
    };
    var xhr;
    try {
      xhr = new XMLHttpRequest();
      xhr.open('GET', url, true);
      // Fotovia writes UTF-8 whatever charset the web server claims for .xml files.
      if (xhr.overrideMimeType) xhr.overrideMimeType('text/plain; charset=utf-8');
    } catch (e) {
      failed('');
      return;
    }
    xhr.onload = guard(function () {
      var ok = (xhr.status >= 200 && xhr.status < 300) || (xhr.status === 0 && xhr.responseText);
      if (!ok) { failed(xhr.status ? 'The web server answered ' + xhr.status + '.' : ''); return; }
      self.parse(xhr.responseText);
    });
    xhr.onerror = guard(function () { failed(''); });
    try { xhr.send(); } catch (e) { failed(''); }
  };

  G.parse = function (text) {
    var doc = null, model = null;
    try {
      doc = new DOMParser().parseFromString(text, 'application/xml');
    } catch (e) {
      doc = null;
    }
    if (!doc || doc.getElementsByTagName('parsererror').length) {
      this.message('The gallery file "' + this.xmlName + '" is damaged.',
        ['It is not well-formed XML. Save the gallery again in Fotovia.']);
      return;
    }
    model = readGallery(doc);
    if (!model) {
      this.message('"' + this.xmlName + '" is not a Fotovia gallery file.', []);
      return;
    }
    try {
      this.build(model);
    } catch (err) {
      report(err);
      this.message('The gallery "' + this.xmlName + '" could not be shown.', [String(err && err.message || err)]);
    }
  };

  // Paths in the file are relative to the XML; characters that end a URL path are taken literally.
  G.asset = function (p) {
    p = String(p || '').trim();
    if (!p) return '';
    if (!/^[a-z][a-z0-9+.-]*:/i.test(p)) {
      p = p.replace(/\\/g, '/').replace(/%(?![0-9a-f]{2})/gi, '%25').replace(/#/g, '%23').replace(/\?/g, '%3F');
    }
    try { return new URL(p, this.xmlUrl).href; } catch (e) { return ''; }
  };

  // Fotovia copies background pictures into the images folder but names them bare in the file;
  // older folders keep them beside the XML, so both places are tried.
  G.picture = function (name, apply) {
    var self = this, n = String(name || '').trim();
    if (!n) return;
    var cands = /[\/\\]/.test(n) || /^[a-z][a-z0-9+.-]*:/i.test(n) ? [n] : ['images/' + n, n];
    var attempt = function (i) {
      if (i >= cands.length) return;
      var u = self.asset(cands[i]);
      if (!u) { attempt(i + 1); return; }
      var im = new Image();
      im.onload = guard(function () { apply(u, im); });
      im.onerror = function () { attempt(i + 1); };
      im.src = u;
    };
    attempt(0);
  };

  G.paintBg = function (e, bg, mask) {
    var s = e.style;
    if (bg.mode === 'solid') s.backgroundColor = rgba(bg.fill, bg.fillA);
    else if (bg.mode === 'grad') s.backgroundImage = gradientCss(bg.fill, bg.fillA, bg.gradC, bg.gradA, bg.angle);
    else if (bg.mode === 'img') {
      this.picture(bg.picture, function (u) {
        s.backgroundImage = 'url("' + u.replace(/["\\]/g, encodeURIComponent) + '")';
        s.backgroundRepeat = 'no-repeat';
        s.backgroundPosition = '0 0';
      });
    }
    if (mask && bg.mask) e.classList.add('fv-masked');
    if (bg.border) addBorder(e, bg.borderC, bg.borderSolid ? 'solid' : 'dotted');
  };

  G.build = function (m) {
    this.m = m;
    var stage = this.stage = el('div', 'fv-stage', this.root);
    place(stage, 0, 0, m.w, m.h);
    // The stage's frame lies under the components, as on the design canvas.
    this.paintBg(stage, m.bg, false);
    this.buildDisplay();
    this.buildStrip();
    this.buildMenu();
    this.buildButtons();
    this.bindInput();
    this.fit();
    this.ready = true;
    this.root.dataset.state = 'ready';

    var start = this === primary ? parseHash() : null;
    if (!start || !this.validPhoto(start.a, start.p)) start = { a: 0, p: 0 };
    if (m.albums.length) this.show(start.a, start.p);
    if (!this.shownOnce()) this.buildSounds();
    if (m.playOnStart) this.play();
    if (m.albumsOnStart) this.openMenu(true);
    this.refreshButtons();
    this.root.dispatchEvent(new CustomEvent('fotovia:ready', { bubbles: true }));
  };

  // Whether a first photo is on its way; the sounds wait for it.
  G.shownOnce = function () { return this.cur.p >= 0 || this.firstShown; };

  G.validPhoto = function (a, p) {
    var al = this.m.albums[a];
    return !!al && p >= 0 && p < al.images.length;
  };

  // ---------------------------------------------------------------- image display

  G.buildDisplay = function () {
    var d = this.m.display, self = this;
    var box = this.display = el('div', 'fv-abs fv-display', this.stage);
    place(box, d.pos.x, d.pos.y, d.pos.w, d.pos.h);
    box.style.zIndex = 1;
    this.paintBg(box, d.bg, true);
    var link = this.link = el('a', 'fv-link', box);
    link.draggable = false;
    link.addEventListener('click', guard(function (e) {
      if (self.swiped || !link.getAttribute('href')) { e.preventDefault(); self.swiped = false; }
    }));
    var cap = this.caption = el('div', 'fv-caption', box);
    var c = this.m.caption;
    cap.style.fontFamily = fontFamily(c.font, 'Arial,Helvetica,sans-serif');
    cap.style.fontSize = c.size + 'px';
    cap.style.color = rgba(c.color);
    cap.style.backgroundColor = rgba(c.bk);
    cap.style.display = 'none';
    var lw = Math.min(d.loaderW, d.pos.w);
    var ld = this.loader = el('div', 'fv-loader', box);
    place(ld, Math.round((d.pos.w - lw) / 2), Math.round(d.pos.h / 2 - 3), lw, 6);
    el('div', '', ld);
  };

  G.photoBox = function (nw, nh) {
    var d = this.m.display, W = d.pos.w, H = d.pos.h, w = nw, h = nh;
    if (d.scale && nw > 0 && nh > 0) {
      if (d.aspect) {
        var k = Math.min(W / nw, H / nh);
        w = nw * k; h = nh * k;
      } else {
        w = W; h = H;
      }
    }
    return { x: (W - w) / 2, y: (H - h) / 2, w: w, h: h };
  };

  G.showCaption = function (text, box) {
    var cap = this.caption, H = this.m.display.pos.h;
    if (!text) { cap.style.display = 'none'; return; }
    cap.textContent = text;
    cap.style.display = 'block';
    cap.style.top = '0px';
    var ch = cap.offsetHeight || 0;
    cap.style.top = Math.max(0, Math.min(box.y + box.h, H - ch)) + 'px';
  };

  G.loadPhoto = function (image) {
    var self = this, tok = ++this.token, link = this.link, d = this.m.display;
    var url = this.asset(image.big);
    var alt = image.caption || baseName(image.big);
    this.shown = false;
    this.root.dataset.state = 'loading';
    this.loader.style.display = 'block';

    var href = safeLink(image.link);
    if (href) { link.href = href; link.target = '_blank'; link.rel = 'noopener'; }
    else if (d.clickFull && url) { link.href = url; link.target = '_blank'; link.rel = 'noopener'; }
    else { link.removeAttribute('href'); link.removeAttribute('target'); }
    link.setAttribute('aria-label', alt);

    var arrive = function (node, box) {
      if (tok !== self.token) { if (node.parentNode) node.parentNode.removeChild(node); return; }
      self.loader.style.display = 'none';
      var olds = Array.prototype.slice.call(link.children);
      place(node, box.x, box.y, box.w, box.h);
      link.appendChild(node);
      void node.offsetWidth; // commit the transparent start so the fade runs
      node.classList.add('fv-in');
      olds.forEach(function (o) { o.classList.remove('fv-in'); });
      self.showCaption(image.caption, box);
      setTimeout(guard(function () {
        olds.forEach(function (o) { if (o.parentNode) o.parentNode.removeChild(o); });
        if (tok === self.token) self.root.dataset.state = 'shown';
      }), FADE_MS + 30);
      self.photoShown(tok);
    };

    var pic = new Image();
    pic.className = 'fv-photo';
    pic.alt = alt;
    pic.draggable = false;
    pic.fetchPriority = 'high';
    pic.onload = guard(function () {
      arrive(pic, self.photoBox(pic.naturalWidth, pic.naturalHeight));
    });
    pic.onerror = guard(function () {
      if (tok !== self.token) return;
      var ph = el('div', 'fv-missing');
      ph.setAttribute('role', 'img');
      ph.setAttribute('aria-label', alt);
      el('div', '', ph).textContent = 'Photo not found';
      el('div', '', ph).textContent = baseName(image.big);
      var W = d.pos.w, H = d.pos.h, w = Math.min(W, 220), h = Math.min(H, 150);
      arrive(ph, { x: (W - w) / 2, y: (H - h) / 2, w: w, h: h });
    });
    if (url) pic.src = url; else pic.onerror();
  };

  G.photoShown = function (tok) {
    this.shown = true;
    if (!this.firstShown) {
      this.firstShown = true;
      try { performance.mark('fotovia-first-photo'); } catch (e) { /* no timing API */ }
      // Sounds load after the first photo, so that they do not hold up what the visitor sees first.
      this.buildSounds();
    }
    this.root.dispatchEvent(new CustomEvent('fotovia:photo', {
      bubbles: true, detail: { album: this.cur.a + 1, photo: this.cur.p + 1 }
    }));
    this.schedule();
    this.preloadNext();
    void tok;
  };

  G.preloadNext = function () {
    var al = this.m.albums[this.cur.a];
    if (!al || al.images.length < 2) return;
    var next = al.images[(this.cur.p + 1) % al.images.length];
    var u = this.asset(next.big);
    if (u) { var im = new Image(); im.src = u; }
  };

  // ---------------------------------------------------------------- navigation and slideshow

  G.show = function (a, p) {
    var albums = this.m.albums;
    if (!albums.length) return;
    a = clamp(a | 0, 0, albums.length - 1);
    var al = albums[a];
    if (a !== this.cur.a) this.setAlbum(a);
    if (!al.images.length) {
      this.cur = { a: a, p: -1 };
      this.clearPhoto();
      this.updateState();
      return;
    }
    p = ((p | 0) % al.images.length + al.images.length) % al.images.length;
    this.cur = { a: a, p: p };
    clearTimeout(this.timer);
    // The photo is what the visitor waits for: ask for it before any thumbnail.
    this.loadPhoto(al.images[p]);
    this.keepInView(p);
    this.renderCells();
    this.markCell();
    this.updateState();
    if (this === primary) writeHash(a, p);
  };

  G.clearPhoto = function () {
    this.token++;
    clearTimeout(this.timer);
    this.loader.style.display = 'none';
    this.caption.style.display = 'none';
    while (this.link.firstChild) this.link.removeChild(this.link.firstChild);
    this.link.removeAttribute('href');
    this.root.dataset.state = 'ready';
  };

  G.step = function (d) {
    if (this.cur.a < 0) return;
    var al = this.m.albums[this.cur.a];
    if (!al || !al.images.length) return;
    this.show(this.cur.a, this.cur.p + d);
  };

  G.schedule = function () {
    var self = this;
    clearTimeout(this.timer);
    if (!this.playing || !this.shown) return;
    this.timer = setTimeout(guard(function () {
      if (!self.root.isConnected) { self.playing = false; return; }
      if (self.playing) self.step(1);
    }), Math.max(this.m.speed * 1000 / 24, 40));
  };

  G.play = function () { this.playing = true; this.schedule(); this.updateState(); };
  G.pause = function () { this.playing = false; clearTimeout(this.timer); this.updateState(); };
  G.togglePlay = function () { if (this.playing) this.pause(); else this.play(); };

  G.updateState = function () {
    var ds = this.root.dataset;
    ds.album = String(this.cur.a + 1);
    ds.photo = String(this.cur.p + 1);
    ds.playing = this.playing ? 'true' : 'false';
    ds.sound = this.muted ? 'off' : 'on';
    ds.menu = this.menuOpen ? 'open' : 'closed';
    this.refreshButtons();
  };

  // ---------------------------------------------------------------- thumbnail strip

  G.buildStrip = function () {
    var box = this.strip = el('div', 'fv-abs fv-strip', this.stage);
    box.style.zIndex = 2;
    this.paintBg(box, this.m.header, false);
    var view = this.view = el('div', 'fv-view', box);
    // The header's border belongs above the scrolling cells.
    var bdr = box.querySelector('.fv-bdr');
    if (bdr) box.appendChild(bdr);
    this.track = el('div', 'fv-track', view);
    this.scrollX = 0;
    this.cells = [];
    var first = this.m.albums[0];
    var pos = first ? first.pos : { x: 10, y: 10, w: 300, h: 200 };
    place(box, pos.x, pos.y, pos.w, pos.h);
  };

  G.cellStep = function () { return Math.max(1, this.m.cell.w + this.m.cell.spacing); };

  G.setAlbum = function (a) {
    var al = this.m.albums[a], c = this.m.cell;
    place(this.strip, al.pos.x, al.pos.y, al.pos.w, al.pos.h);
    this.track.textContent = '';
    this.cells = new Array(al.images.length);
    this.cur = { a: a, p: -1 };
    var n = al.images.length;
    this.contentW = n ? Math.max(0, 2 * c.offset + (n - 1) * this.cellStep() + c.w) : 0;
    this.track.style.width = this.contentW + 'px';
    this.scrollTarget = null;
    this.scrollX = 0;
    this.track.style.transform = 'translate3d(0,0,0)';
  };

  G.viewW = function () { return Math.max(0, this.m.albums[this.cur.a] ? this.m.albums[this.cur.a].pos.w : 0); };

  G.setScroll = function (x) {
    var max = Math.max(0, this.contentW - this.viewW());
    this.scrollX = clamp(isFinite(x) ? x : 0, 0, max);
    this.track.style.transform = 'translate3d(' + (-Math.round(this.scrollX)) + 'px,0,0)';
    this.renderCells();
  };

  // Cells exist, and their thumbnails load, only near the visible part of the strip: a
  // thousand-photo album must not ask the server for a thousand thumbnails at once.
  G.renderCells = function () {
    var al = this.m.albums[this.cur.a];
    if (!al || !al.images.length) return;
    var c = this.m.cell, step = this.cellStep(), vw = this.viewW(), margin = Math.max(vw, 200);
    var lo = Math.floor((this.scrollX - margin - c.offset - c.w) / step);
    var hi = Math.ceil((this.scrollX + vw + margin - c.offset) / step);
    lo = clamp(lo, 0, al.images.length - 1);
    hi = clamp(hi, 0, al.images.length - 1);
    if (hi - lo > 400) hi = lo + 400;
    for (var i = lo; i <= hi; i++) if (!this.cells[i]) this.cells[i] = this.makeCell(al.images[i], i);
  };

  G.makeCell = function (image, i) {
    var c = this.m.cell, self = this;
    var b = el('button', 'fv-btn fv-cell', this.track);
    b.type = 'button';
    b.tabIndex = -1;
    b.dataset.index = String(i);
    place(b, c.offset + i * this.cellStep(), c.offset, c.w, c.h);
    if (c.alpha < 100) b.style.opacity = String(c.alpha / 100);
    if (c.grad) b.style.backgroundImage = gradientCss(c.fill, 100, c.gradC, 100, c.angle);
    else if (c.solid) b.style.backgroundColor = rgba(c.fill);
    if (c.shadow) b.style.boxShadow = '3px 3px 4px ' + rgba(c.shadowC, 70);
    var alt = image.caption || baseName(image.big || image.thumb);
    b.setAttribute('aria-label', alt);
    var img = el('img', 'fv-thumb', b);
    img.alt = alt;
    img.draggable = false;
    place(img, c.imgX, c.imgY, c.imgW, c.imgH);
    img.style.objectFit = c.scale ? (c.aspect ? 'contain' : 'fill') : 'none';
    img.fetchPriority = 'low';
    if (c.fade) img.classList.add('fv-fade');
    img.onload = function () { img.classList.add('fv-in'); };
    img.onerror = function () { img.classList.add('fv-broken', 'fv-in'); img.removeAttribute('src'); };
    var u = this.asset(image.thumb || image.big);
    if (u) img.src = u; else img.classList.add('fv-broken');
    if (c.border) addBorder(b, c.borderC, c.borderSolid ? 'solid' : 'dotted');
    if (c.highlight && c.highlightW > 0) addHighlight(b, c.highlightW, c.highlightC);
    if (i === this.cur.p) b.classList.add('fv-cur');
    b.addEventListener('pointerenter', guard(function () { self.blip(); }));
    return b;
  };

  G.markCell = function () {
    var prev = this.track.querySelector('.fv-cur');
    if (prev) prev.classList.remove('fv-cur');
    var cell = this.cells[this.cur.p];
    if (cell) cell.classList.add('fv-cur');
  };

  G.keepInView = function (p) {
    var c = this.m.cell, step = this.cellStep(), vw = this.viewW();
    var left = c.offset + p * step, right = left + c.w;
    var target = null;
    if (left - c.offset < this.scrollX) target = left - c.offset;
    else if (right + c.offset > this.scrollX + vw) target = right + c.offset - vw;
    if (target === null) return;
    // A far jump (an address with a hash, the album's end) is not worth animating across.
    if (Math.abs(target - this.scrollX) > vw * 2) { this.setScroll(target); return; }
    this.scrollTarget = target;
    this.animate();
  };

  G.animate = function () {
    var self = this;
    if (this.raf) return;
    var last = 0;
    var frame = guard(function (t) {
      self.raf = 0;
      var dt = last ? Math.min(64, t - last) : 16;
      last = t;
      var moved = false;
      if (self.edgeV) {
        self.scrollTarget = null;
        var before = self.scrollX;
        self.setScroll(self.scrollX + self.edgeV * dt / 16.7);
        moved = self.scrollX !== before;
      } else if (self.scrollTarget !== null && self.scrollTarget !== undefined) {
        var d = self.scrollTarget - self.scrollX;
        if (Math.abs(d) < 1) { self.setScroll(self.scrollTarget); self.scrollTarget = null; }
        else { self.setScroll(self.scrollX + d * Math.min(1, 0.25 * dt / 16.7)); moved = true; }
      }
      if (moved || (self.scrollTarget !== null && self.scrollTarget !== undefined)) {
        self.raf = requestAnimationFrame(function (t2) { frame(t2); });
      }
    });
    this.raf = requestAnimationFrame(function (t) { frame(t); });
  };

  // Pointer position inside an element, in stage pixels (the stage may be scaled to the page).
  G.localX = function (e, node) {
    var r = node.getBoundingClientRect();
    return (e.clientX - r.left) / (this.scale || 1);
  };

  G.edgeScroll = function (x) {
    var vw = this.viewW(), zone = Math.min(80, vw / 4);
    // thumbspeed is how slowly the strip follows the pointer: smaller is faster.
    var maxV = clamp(200 / this.m.thumbSpeed, 1, 60), v = 0;
    if (zone > 0 && x >= 0 && x <= vw) {
      if (x < zone) v = -maxV * (1 - x / zone);
      else if (x > vw - zone) v = maxV * (1 - (vw - x) / zone);
    }
    this.edgeV = v;
    if (v) this.animate();
  };

  G.bindStrip = function () {
    var self = this, strip = this.strip, drag = null, suppress = false;
    strip.addEventListener('pointermove', guard(function (e) {
      if (drag) {
        var dx = e.clientX - drag.x;
        if (!drag.moving && Math.abs(dx) > 6) {
          drag.moving = true;
          self.edgeV = 0;
          try { strip.setPointerCapture(e.pointerId); } catch (err) { /* gone */ }
        }
        if (drag.moving) { self.scrollTarget = null; self.setScroll(drag.scroll - dx / (self.scale || 1)); }
        return;
      }
      if (e.pointerType === 'mouse') self.edgeScroll(self.localX(e, strip));
    }));
    strip.addEventListener('pointerleave', function () { self.edgeV = 0; });
    strip.addEventListener('pointerdown', guard(function (e) {
      if (e.button !== 0) return;
      drag = { x: e.clientX, scroll: self.scrollX, moving: false };
    }));
    var end = guard(function () {
      if (drag && drag.moving) suppress = true;
      drag = null;
    });
    strip.addEventListener('pointerup', end);
    strip.addEventListener('pointercancel', function () { drag = null; });
    strip.addEventListener('click', guard(function (e) {
      if (suppress) { suppress = false; e.preventDefault(); e.stopPropagation(); return; }
      var cell = e.target && e.target.closest ? e.target.closest('.fv-cell') : null;
      if (!cell || !strip.contains(cell)) return;
      self.show(self.cur.a, parseInt(cell.dataset.index, 10) || 0);
    }), true);
    strip.addEventListener('wheel', guard(function (e) {
      var unit = e.deltaMode === 1 ? 16 : e.deltaMode === 2 ? self.viewW() : 1;
      var d = (Math.abs(e.deltaX) > Math.abs(e.deltaY) ? e.deltaX : e.deltaY) * unit;
      var before = self.scrollX;
      self.scrollTarget = null;
      self.setScroll(self.scrollX + d);
      // At either end the wheel goes back to scrolling the page.
      if (self.scrollX !== before) e.preventDefault();
    }), { passive: false });
  };

  // ---------------------------------------------------------------- album menu

  G.menuSize = function () {
    var M = this.m.menu, W = this.m.w, D = this.m.display.pos.h, n = this.m.albums.length;
    var cell = M.catW + M.pad, cols = cell > 0 ? Math.floor(W / cell) : 0;
    var w = cell * cols + M.pad + 12, h;
    if (n === 1) { w = 2 * M.pad + M.catW + 12; h = 2 * M.pad + M.catH; }
    else if (cols <= 0) h = 2 * M.pad + M.catH;
    else h = Math.ceil(n / cols) * (M.pad + M.catH) + M.pad;
    return { w: M.w > 0 ? M.w : w, h: M.h > 0 ? M.h : Math.min(h, D) };
  };

  G.buildMenu = function () {
    var M = this.m.menu, d = this.m.display.pos, self = this;
    var size = this.menuSize();
    var w = clamp(size.w, 1, this.m.w), h = clamp(size.h, 1, this.m.h);
    var panel = this.menu = el('div', 'fv-abs fv-menu', this.stage);
    panel.setAttribute('role', 'dialog');
    panel.setAttribute('aria-label', 'Albums');
    var x = clamp(Math.round(d.x + (d.w - w) / 2), 0, Math.max(0, this.m.w - w));
    var y = clamp(Math.round(d.y + (d.h - h) / 2), 0, Math.max(0, this.m.h - h));
    place(panel, x, y, w, h);
    this.paintBg(panel, M.bg, false);
    // The panel keeps its background and border still while the tiles scroll inside it.
    var scroller = el('div', 'fv-scroll', panel);
    var bdr = panel.querySelector('.fv-bdr');
    if (bdr) panel.appendChild(bdr);

    var cols = Math.max(1, Math.floor((w - 12 - M.pad) / Math.max(1, M.catW + M.pad)));
    var albums = this.m.albums;
    var rows = Math.ceil(albums.length / cols);
    var inner = el('div', '', scroller);
    inner.style.position = 'relative';
    inner.style.height = (rows * (M.catH + M.pad) + M.pad) + 'px';
    var face = fontFamily(M.font, 'Tahoma,Verdana,Arial,sans-serif');
    albums.forEach(function (al, i) {
      var t = el('button', 'fv-btn fv-tile', inner);
      t.type = 'button';
      place(t, M.pad + (i % cols) * (M.catW + M.pad), M.pad + Math.floor(i / cols) * (M.catH + M.pad), M.catW, M.catH);
      if (M.grad) t.style.backgroundImage = gradientCss(M.fill, M.fillA, M.gradC, M.gradA, M.angle);
      else if (M.solid) t.style.backgroundColor = rgba(M.fill, M.fillA);
      var name = al.name || 'Album ' + (i + 1);
      t.setAttribute('aria-label', name);
      t.dataset.album = String(i + 1);
      var cu = self.asset(al.cover);
      if (cu && !/\/$/.test(al.cover)) {
        var cover = el('img', 'fv-cover', t);
        cover.alt = name;
        cover.draggable = false;
        place(cover, M.pad, M.pad, M.imgW, M.imgH);
        cover.onerror = function () { cover.style.visibility = 'hidden'; };
        cover.src = cu;
      }
      var tx = el('div', 'fv-tiletext', t);
      tx.style.left = (2 * M.pad + M.imgW) + 'px';
      tx.style.fontFamily = face;
      tx.style.fontSize = M.fontSize + 'px';
      tx.style.color = rgba(M.fontC);
      el('b', '', tx).textContent = name;
      el('span', '', tx).textContent = al.text;
      if (M.border) addBorder(t, M.borderC, M.borderSolid ? 'solid' : 'dashed');
      if (M.highlight && M.highlightW > 0) addHighlight(t, M.highlightW, M.highlightC);
      t.addEventListener('pointerenter', guard(function () { self.blip(); }));
      t.addEventListener('click', guard(function () {
        self.show(i, 0);
        self.closeMenu();
      }));
    });
  };

  G.openMenu = function (quiet) {
    this.menuOpen = true;
    this.menu.classList.add('fv-open');
    this.updateState();
    if (!quiet) {
      var t = this.menu.querySelector('.fv-tile');
      if (t && this.root.contains(document.activeElement)) try { t.focus({ preventScroll: true }); } catch (e) { /* old */ }
    }
  };

  G.closeMenu = function () {
    this.menuOpen = false;
    this.menu.classList.remove('fv-open');
    this.updateState();
  };

  // ---------------------------------------------------------------- buttons

  G.buildButtons = function () {
    var self = this;
    this.buttons = this.m.buttons.map(function (b) {
      var e = el('button', 'fv-btn fv-button', self.stage);
      e.type = 'button';
      e.dataset.action = b.action;
      place(e, b.pos.x, b.pos.y, b.pos.w, b.pos.h);
      e.style.zIndex = 4;
      self.paintBg(e, b.bg, true);
      var f = b.font, face = null;
      if (b.showText) {
        face = el('span', 'fv-txt', e);
        face.style.fontFamily = fontFamily(f.face, 'Arial,Helvetica,sans-serif');
        face.style.fontSize = f.size + 'px';
        face.style.color = rgba(f.color, f.alpha);
        face.style.fontWeight = f.bold ? 'bold' : 'normal';
        face.style.fontStyle = f.italic ? 'italic' : 'normal';
        // The designer draws the caption centred; the offsets nudge it from there.
        face.style.transform = 'translate(calc(-50% + ' + (f.x | 0) + 'px),calc(-50% + ' + (f.y | 0) + 'px))';
      } else {
        face = el('span', '', e);
        face.style.color = rgba(f.color, f.alpha);
      }
      e.addEventListener('click', guard(function () { self.press(b.action); }));
      e.addEventListener('pointerenter', guard(function () { self.blip(); }));
      return { def: b, node: e, face: face, drawn: null };
    });
  };

  G.press = function (action) {
    if (action === 'toggleplaypause') this.togglePlay();
    else if (action === 'togglesounds') this.toggleSound();
    else if (action === 'showcatagories') { if (this.menuOpen) this.closeMenu(); else this.openMenu(); }
  };

  G.refreshButtons = function () {
    var self = this;
    (this.buttons || []).forEach(function (b) {
      var s = b.def, a = s.action;
      var on = a === 'toggleplaypause' ? self.playing : a === 'togglesounds' ? self.muted : self.menuOpen;
      var state = s.toggle && on;
      var label = state ? s.toggleTxt : s.txt;
      var fallback = a === 'toggleplaypause' ? (on ? 'Pause slideshow' : 'Play slideshow')
        : a === 'togglesounds' ? (on ? 'Sound on' : 'Sound off') : (on ? 'Hide albums' : 'Show albums');
      b.node.setAttribute('aria-label', label.trim() ? label : fallback);
      b.node.dataset.toggled = state ? 'true' : 'false';
      var key;
      if (s.showText) {
        if (b.face.textContent !== label) b.face.textContent = label;
        return;
      }
      var pic = state && s.downIcon ? s.downIcon : s.upIcon;
      if (pic) {
        key = 'pic:' + pic;
        if (b.drawn === key) return;
        b.face.textContent = '';
        var img = el('img', 'fv-icon', b.face);
        img.alt = '';
        img.draggable = false;
        img.onerror = function () { img.style.display = 'none'; };
        img.src = self.asset(pic);
      } else {
        var icon = a === 'toggleplaypause' ? (state ? 'pause' : 'play')
          : a === 'togglesounds' ? (state ? 'mute' : 'sound') : 'albums';
        key = 'icon:' + icon;
        if (b.drawn === key) return;
        b.face.innerHTML = ICONS[icon];
        var svg = b.face.firstChild;
        svg.setAttribute('class', 'fv-icon');
        svg.setAttribute('aria-hidden', 'true');
      }
      b.drawn = key;
    });
  };

  // ---------------------------------------------------------------- sounds

  G.buildSounds = function () {
    var self = this;
    if (this.soundsBuilt) return;
    this.soundsBuilt = true;
    var make = function (name, role, loop) {
      var u = self.asset(name);
      if (!u) return null;
      var a = document.createElement('audio');
      a.preload = 'auto';
      a.loop = loop;
      a.dataset.fotovia = role;
      a.addEventListener('error', function () { /* a missing sound is simply silent */ });
      a.src = u;
      self.root.appendChild(a);
      return a;
    };
    this.music = this.m.music ? make(this.m.music, 'music', true) : null;
    this.over = this.m.over ? make(this.m.over, 'overclick', false) : null;
    this.startMusic();
  };

  G.startMusic = function () {
    var self = this, a = this.music;
    if (!a || this.muted) return;
    var p;
    try { p = a.play(); } catch (e) { p = null; }
    if (p && typeof p.then === 'function') {
      p.then(null, function () { if (!self.muted && a.paused) self.waitForVisitor(); });
    }
  };

  // Browsers keep a page silent until the visitor touches it, so the music starts then.
  G.waitForVisitor = function () {
    var self = this;
    if (this.waiting) return;
    this.waiting = true;
    var types = ['pointerdown', 'keydown', 'touchend', 'click'];
    var go = guard(function () {
      types.forEach(function (t) { document.removeEventListener(t, go, true); });
      self.waiting = false;
      // The visitor's first touch may be the sound button itself; let its click decide first.
      setTimeout(guard(function () { self.startMusic(); }), 0);
    });
    types.forEach(function (t) { document.addEventListener(t, go, true); });
  };

  G.toggleSound = function () {
    this.muted = !this.muted;
    if (this.muted) {
      if (this.music) this.music.pause();
      if (this.over) this.over.pause();
    } else {
      this.startMusic();
    }
    this.updateState();
  };

  G.blip = function () {
    var a = this.over;
    if (!a || this.muted) return;
    try { a.currentTime = 0; } catch (e) { /* not loaded yet */ }
    try {
      var p = a.play();
      if (p && typeof p.then === 'function') p.then(null, function () { /* blocked until the visitor acts */ });
    } catch (e) { /* unsupported */ }
  };

  // ---------------------------------------------------------------- input

  G.bindInput = function () {
    var self = this, disp = this.display, start = null;
    this.bindStrip();
    disp.addEventListener('pointerdown', guard(function (e) {
      start = { x: e.clientX, y: e.clientY };
      self.swiped = false;
    }));
    disp.addEventListener('pointerup', guard(function (e) {
      if (!start) return;
      var dx = e.clientX - start.x, dy = e.clientY - start.y;
      start = null;
      if (Math.abs(dx) > 40 && Math.abs(dx) > 1.5 * Math.abs(dy)) {
        self.swiped = true;
        self.step(dx < 0 ? 1 : -1);
      }
    }));
    disp.addEventListener('pointercancel', function () { start = null; });
    disp.addEventListener('dragstart', function (e) { e.preventDefault(); });
    this.strip.addEventListener('dragstart', function (e) { e.preventDefault(); });
  };

  G.key = function (e) {
    var k = e.key, t = e.target;
    var onControl = t && t.closest && this.root.contains(t) && t.closest('button,a[href]');
    if (k === 'ArrowLeft' || k === 'Left') { this.step(-1); e.preventDefault(); }
    else if (k === 'ArrowRight' || k === 'Right') { this.step(1); e.preventDefault(); }
    else if ((k === ' ' || k === 'Spacebar') && !onControl) { this.togglePlay(); e.preventDefault(); }
    else if ((k === 'Escape' || k === 'Esc') && this.menuOpen) { this.closeMenu(); e.preventDefault(); }
  };

  function onKey(e) {
    if (e.defaultPrevented || e.ctrlKey || e.altKey || e.metaKey) return;
    var t = e.target;
    if (t && t.closest && t.closest('input,textarea,select,[contenteditable=""],[contenteditable="true"]')) return;
    var ae = document.activeElement, g = null;
    for (var i = 0; i < galleries.length; i++) if (galleries[i].root.contains(ae)) { g = galleries[i]; break; }
    if (!g) {
      if (ae && ae !== document.body && ae !== document.documentElement) return;
      g = primary;
    }
    if (g && g.ready) g.key(e);
  }

  // ---------------------------------------------------------------- the address's hash

  function parseHash() {
    var mm = /^#a(\d{1,6})p(\d{1,6})$/i.exec(location.hash || '');
    return mm ? { a: parseInt(mm[1], 10) - 1, p: parseInt(mm[2], 10) - 1 } : null;
  }

  function writeHash(a, p) {
    var h = '#a' + (a + 1) + 'p' + (p + 1);
    if (location.hash === h) return;
    try { history.replaceState(history.state, '', h); } catch (e) { /* sandboxed frame */ }
  }

  function onHash() {
    var g = primary, h = parseHash();
    if (!g || !g.ready || !h) return;
    if (h.a === g.cur.a && h.p === g.cur.p) return;
    if (g.validPhoto(h.a, h.p)) g.show(h.a, h.p);
  }

  // ---------------------------------------------------------------- finding the page's galleries

  function movieOf(obj) {
    var params = obj.getElementsByTagName('param');
    for (var i = 0; i < params.length; i++) {
      if ((params[i].getAttribute('name') || '').toLowerCase() === 'movie') return params[i].getAttribute('value') || '';
    }
    var emb = obj.getElementsByTagName('embed')[0];
    return (emb && emb.getAttribute('src')) || obj.getAttribute('data') || '';
  }

  function xmlNameOf(movie) {
    var mm = /^([^?#]*)(.*)$/.exec(String(movie).trim());
    var path = mm[1], rest = mm[2];
    if (/\.swf$/i.test(path)) path = path.slice(0, -4) + '.xml';
    else if (!/\.xml$/i.test(path)) path += '.xml';
    return path + rest;
  }

  function sizeOf(v, def) {
    var n = parseInt(String(v || ''), 10);
    return /%/.test(String(v || '')) || !(n > 0) ? def : Math.min(n, BIG);
  }

  function upgradeObject(obj) {
    if (!obj || obj[UPGRADED] || !obj.parentNode) return;
    obj[UPGRADED] = true;
    injectCss();
    var xmlPath = xmlNameOf(movieOf(obj));
    var url;
    try { url = new URL(xmlPath, document.baseURI).href; } catch (e) { url = xmlPath; }
    var root = document.createElement('div');
    root.className = 'fv-root';
    root.dataset.fotovia = 'gallery';
    var align = obj.getAttribute('align');
    if (align) root.setAttribute('data-align', align);
    obj.parentNode.replaceChild(root, obj);
    var g = new Gallery(root, url, sizeOf(obj.getAttribute('width'), 400), sizeOf(obj.getAttribute('height'), 300),
      baseName(xmlPath.replace(/[?#].*$/, '')) || xmlPath);
    galleries.push(g);
    if (!primary) primary = g;
    root.fotovia = g;
    g.load();
  }

  function objectBefore(script) {
    for (var n = script && script.previousSibling; n; n = n.previousSibling) {
      if (n.nodeType === 1) return n.nodeName.toLowerCase() === 'object' ? n : null;
    }
    return null;
  }

  function upgrade(script) {
    try {
      if (script) upgradeObject(objectBefore(script));
      var all = document.querySelectorAll('object[id="Pellicon"]');
      for (var i = 0; i < all.length; i++) upgradeObject(all[i]);
    } catch (err) {
      report(err);
    }
  }

  window.FotoviaPlayer = { upgrade: upgrade, version: '1.0' };
  document.addEventListener('keydown', guard(onKey));
  window.addEventListener('hashchange', guard(onHash));
  upgrade(me);
  // A script placed in the page's head runs before its gallery exists.
  if (document.readyState === 'loading') {
    document.addEventListener('DOMContentLoaded', function () { upgrade(null); });
  }
})();
