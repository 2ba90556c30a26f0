// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

// The board's web views: draws the board's state as SVG and follows its changes from the
// program's event stream. Each page names its view in <body data-view="...">.
'use strict';

(() => {
  const SVG = 'http://www.w3.org/2000/svg';
  const view = document.body.dataset.view;
  const TWIPS_PER_PIXEL = 15;

  // ---- Time: the server's civil milliseconds, from the local monotonic clock ----------
  let offset = null; // server ms minus local ms, the best estimate so far
  const localNow = () => performance.timeOrigin + performance.now();
  // A message left the server before it arrived here, so now - arrival never exceeds the
  // true offset: the largest such figure is the best. A jump of the server's clock (a new
  // local time) is taken as it comes.
  function learnTime(serverNow) {
    if (typeof serverNow !== 'number') return;
    const sample = serverNow - localNow();
    if (offset === null || sample > offset || offset - sample > 1000) offset = sample;
  }
  const serverNow = () => localNow() + (offset || 0);

  function clockValue(clock, ms) {
    if (!clock.running) return clock.seconds;
    const elapsed = (ms - clock.takenAt) / 1000;
    return clock.countsUp ? clock.seconds + elapsed : Math.max(0, clock.seconds - elapsed);
  }
  // The board shows the next second up between whole seconds (59.1 shows as 60), rounding
  // half to even as it does.
  function shownSecond(value) {
    const x = value + 0.4999;
    const f = Math.floor(x);
    const d = x - f;
    if (d > 0.5) return f + 1;
    if (d < 0.5) return f;
    return f % 2 === 0 ? f : f + 1;
  }

  // ---- What each LED position shows, as the board's cells show it ---------------------
  let shapes = null; // the segment shapes, from /segments

  function digitsOf(max) {
    return Math.max(1, String(Math.max(0, max)).length);
  }
  function hasHalfDigit(max) {
    const positions = digitsOf(max);
    return positions > 1 && String(max)[0] === '1';
  }
  // value -1 shows nothing; above max the overload sign (middle bars); otherwise the digits
  // right-aligned, padded with zeros when zeroFill; a half digit shows only a 1.
  function segmentsShown(value, max, zeroFill) {
    const positions = digitsOf(max);
    const half = hasHalfDigit(max);
    const masks = new Array(positions).fill(0);
    if (value === null || value === undefined || value < 0) return masks;
    if (value > max) {
      for (let i = half ? 1 : 0; i < positions; ++i) masks[i] = shapes.minus;
      return masks;
    }
    let text = String(Math.floor(value));
    if (zeroFill) text = text.padStart(positions, '0');
    const start = positions - text.length;
    for (let i = 0; i < text.length; ++i) {
      const p = start + i;
      const digit = Number(text[i]);
      if (p === 0 && half) masks[p] = digit === 1 ? shapes.halfDigit : 0;
      else masks[p] = shapes.digits[digit];
    }
    return masks;
  }

  // ---- Colours, as the painter mixes them -----------------------------------------------
  function rgb(hex) {
    const n = parseInt(hex.slice(1), 16);
    return [(n >> 16) & 255, (n >> 8) & 255, n & 255];
  }
  const css = (c) => `rgb(${c[0]},${c[1]},${c[2]})`;
  const trunc = (x) => (x < 0 ? Math.ceil(x) : Math.floor(x));
  function palette(litHex, backHex) {
    const lit = rgb(litHex);
    const back = rgb(backHex);
    return {
      lit: css(lit),
      glow: css(lit.map((l, i) => back[i] + trunc(((l - back[i]) * shapes.glowAlpha) / 255))),
      unlit: css(lit.map((l, i) => back[i] + trunc(((l - back[i]) * shapes.unlitPercent) / 100))),
      core: css(lit.map((l) => l + trunc(((255 - l) * shapes.coreWhitePercent) / 100))),
    };
  }

  // ---- SVG ----------------------------------------------------------------------------------
  function el(name, attributes, parent) {
    const node = document.createElementNS(SVG, name);
    for (const [key, value] of Object.entries(attributes || {})) node.setAttribute(key, value);
    if (parent) parent.appendChild(node);
    return node;
  }
  const points = (polygon) => polygon.map((p) => `${p[0]},${p[1]}`).join(' ');

  // One digit position: its box (x, y, w, h) in the view's units, lit segments, the segments
  // it has, drawn in the painter's layers: glow under the unlit bars, the lit bars, their cores.
  function drawDigit(group, box, lit, present, style, ratio, colors) {
    const shape = shapes.ratios[ratio];
    const scale = box.w / shape.width;
    const g = el('g', { transform: `translate(${box.x},${box.y}) scale(${scale})` }, group);
    const layers = [
      ['glow', true],
      ['unlit', false],
      ['lit', true],
      ['core', true],
    ];
    for (const [layer, on] of layers) {
      const fill = colors[layer];
      if (style === 'dots') {
        const radius = layer === 'glow' ? shape.glowRadius : layer === 'core' ? shape.coreRadius : shape.lampRadius;
        const lamp = (p, isLit) => {
          if (isLit === on) el('circle', { cx: p[0], cy: p[1], r: radius, fill }, g);
        };
        for (let s = 0; s < 7; ++s) {
          const bit = 1 << s;
          if (!(present & bit)) continue;
          for (const p of shape.lamps[s]) lamp(p, Boolean(lit & bit));
        }
        for (const corner of shape.corners) {
          const segments = corner.segments & present;
          if (segments) lamp(corner.at, Boolean(lit & segments));
        }
      } else {
        for (let s = 0; s < 7; ++s) {
          const bit = 1 << s;
          if (!(present & bit) || Boolean(lit & bit) !== on) continue;
          el('polygon', { points: points(shape.bars[layer][s]), fill }, g);
        }
      }
    }
  }

  // An LED cell as the board sizes it, in the view's units: digit height, paddings around
  // (H, V) and between the digits (I), a narrow leading position for a Max of 10-19, 100-199.
  const WIDTH_PER_HEIGHT = { '9:5': 5 / 9, '7:4': 4 / 7 };
  function cellLayout(cell) {
    const h = cell.height;
    const w = h * WIDTH_PER_HEIGHT[cell.ratio];
    const positions = digitsOf(cell.max);
    const half = hasHalfDigit(cell.max);
    const shape = shapes.ratios[cell.ratio];
    const halfW = (shape.halfWidth / shape.width) * w;
    const boxes = [];
    let x = cell.x + cell.paddingH;
    const y = cell.y + cell.paddingV;
    for (let i = 0; i < positions; ++i) {
      let step = w;
      let gap = cell.paddingI;
      if (i === 0 && half) {
        step = halfW;
        gap = 0;
      }
      boxes.push({ x: x + step - w, y, w, h, half: i === 0 && half });
      x += step + (i < positions - 1 ? gap : 0);
    }
    return { boxes, width: x - cell.x + cell.paddingH, height: h + 2 * cell.paddingV };
  }

  // A cell, redrawn only when what it shows or how it looks changed.
  class Cell {
    constructor(parent, cell) {
      this.cell = { paddingH: 0, paddingV: 0, ...cell };
      this.group = el('g', {}, parent);
      if (cell.role) this.group.dataset.role = cell.role;
      this.key = null;
    }
    show(masks, litHex, backHex, style, background) {
      const key = `${masks.join(',')}|${litHex}|${backHex}|${style}|${background}`;
      if (key === this.key) return;
      this.key = key;
      const layout = cellLayout(this.cell);
      this.group.replaceChildren();
      if (background)
        el('rect', { x: this.cell.x, y: this.cell.y, width: layout.width, height: layout.height, fill: backHex }, this.group);
      const colors = palette(litHex, backHex);
      layout.boxes.forEach((box, i) =>
        drawDigit(this.group, box, masks[i], box.half ? shapes.halfDigit : 127, style, this.cell.ratio, colors));
    }
    width() {
      return cellLayout(this.cell).width;
    }
  }

  // A clock display as the board's TimeLED, in the view's units: a minutes and a seconds
  // cell with a pair of round dots between them (dark while the minutes are blank).
  // clock: x, y, height (of a digit), minuteDigits, paddingH, paddingV, paddingI, paddingD,
  // dot (diameter), inset (of the dots from the digits' top and bottom).
  class ClockDisplay {
    constructor(parent, clock) {
      this.clock = clock;
      this.group = el('g', {}, parent);
      this.group.dataset.role = clock.role;
      this.back = el('rect', {}, this.group);
      const digit = { height: clock.height, ratio: '7:4', paddingI: clock.paddingI };
      const y = clock.y + clock.paddingV;
      this.minutesMax = 10 ** clock.minuteDigits - 1;
      this.minutes = new Cell(this.group, { ...digit, max: this.minutesMax, x: clock.x + clock.paddingH, y });
      const dotsX = clock.x + clock.paddingH + this.minutes.width() + clock.paddingD;
      const secondsX = dotsX + clock.dot + clock.paddingD;
      this.seconds = new Cell(this.group, { ...digit, max: 99, x: secondsX, y });
      this.dots = [y + clock.inset, y + clock.height - clock.dot - clock.inset].map((top) =>
        el('circle', { cx: dotsX + clock.dot / 2, cy: top + clock.dot / 2, r: clock.dot / 2 }, this.group));
      this.width = secondsX + this.seconds.width() + clock.paddingH - clock.x;
      this.height = clock.height + 2 * clock.paddingV;
      const box = { x: clock.x, y: clock.y, width: this.width, height: this.height };
      for (const [k, v] of Object.entries(box)) this.back.setAttribute(k, v);
    }
    show(second, litHex, backHex, separatorHex, style) {
      const m = Math.floor(second / 60);
      const s = second - 60 * m;
      const blank = m === 0;
      this.back.setAttribute('fill', backHex);
      this.minutes.show(segmentsShown(blank ? -1 : m, this.minutesMax, false), litHex, backHex, style, false);
      this.seconds.show(segmentsShown(s, 99, !blank), litHex, backHex, style, false);
      for (const dot of this.dots) dot.setAttribute('fill', blank ? backHex : separatorHex);
      const shown = m > this.minutesMax ? '--:--' : blank ? String(s) : `${m}:${String(s).padStart(2, '0')}`;
      this.group.dataset.shown = shown;
    }
  }
  // The board's clocks: 59 pixels tall, in twips.
  const boardClock = (role, x, minuteDigits) => ({
    role, x, y: 5640, minuteDigits, height: 59 * TWIPS_PER_PIXEL, paddingH: 140, paddingV: 90, paddingI: 200,
    paddingD: 100, dot: 2.5 * 59, inset: (59 * 15) / 9,
  });
  // A clock scaled from the board's to a digit height h.
  const scaledClock = (role, x, y, minuteDigits, h) => {
    const k = h / (59 * TWIPS_PER_PIXEL);
    const b = boardClock(role, 0, minuteDigits);
    return { role, x, y, minuteDigits, height: h, paddingH: b.paddingH * k, paddingV: b.paddingV * k,
      paddingI: b.paddingI * k, paddingD: b.paddingD * k, dot: b.dot * k, inset: b.inset * k };
  };

  // ---- The views ------------------------------------------------------------------------------
  const CLOCKS = ['routine', 'fall', 'warmup'];
  // The board's captions: English until the state brings the board's language.
  const TITLES = { routine: 'Routine', fall: 'Fall', warmup: 'Warm-Up', score: 'Score' };
  const caption = (s, key) => (s.captions && s.captions[key]) || TITLES[key];
  // The clock a viewer follows: the first one running, else the one that ran last.
  let lastRunning = 'routine';
  function runningClock(s) {
    const running = CLOCKS.find((c) => s.clocks[c].running);
    if (running) lastRunning = running;
    return running || null;
  }

  function text(parent, attributes, role) {
    const node = el('text', { 'font-family': 'Arial, "Liberation Sans", Helvetica, sans-serif', ...attributes }, parent);
    if (role) node.dataset.role = role;
    return node;
  }
  // Sets a text and squeezes it into its box when it is too long to fit.
  function setText(node, value, maxWidth) {
    if (node.textContent !== value) {
      node.textContent = value;
      node.removeAttribute('textLength');
      node.removeAttribute('lengthAdjust');
    }
    if (maxWidth && value && node.getComputedTextLength() > maxWidth) {
      node.setAttribute('textLength', maxWidth);
      node.setAttribute('lengthAdjust', 'spacingAndGlyphs');
    }
  }
  const pt = (points) => points * 20; // twips

  // The board as the audience sees it, in the board's own twips, centred on a 16:9 view.
  function boardView(svg) {
    const W = 9480;
    const H = 6795;
    const wide = (H * 16) / 9;
    svg.setAttribute('viewBox', `${-(wide - W) / 2} 0 ${wide} ${H}`);
    const back = el('rect', { x: -(wide - W) / 2, y: 0, width: wide, height: H }, svg);
    const textBox = (x, y, w, h, size, anchor, role, value) => {
      const ax = anchor === 'start' ? x + 60 : x + w / 2;
      const node = text(svg, { x: ax, y: y + h / 2, 'font-size': pt(size), 'text-anchor': anchor, 'dominant-baseline': 'central' }, role);
      if (value) node.textContent = value;
      return { node, w: w - 120 };
    };
    const event = textBox(120, 360, 4695, 855, 32.25, 'start', 'event');
    const captions = {
      score: textBox(1620, 3360, 1815, 615, 32.25, 'middle', null, TITLES.score),
      routine: textBox(120, 4920, 2895, 735, 32.25, 'middle', null, TITLES.routine),
      fall: textBox(3240, 4920, 2895, 735, 32.25, 'middle', null, TITLES.fall),
      warmup: textBox(6360, 4920, 2895, 735, 32.25, 'middle', null, TITLES.warmup),
    };
    const labels = [textBox(5040, 360, 615, 855, 38.25, 'middle', null, '#'), ...Object.values(captions)];
    const name = textBox(0, 1710, 4695, 1170, 38.25, 'middle', 'name');
    const team = textBox(4680, 1710, 4695, 1170, 38.25, 'middle', 'team');
    const digit90 = { height: 90 * TWIPS_PER_PIXEL, ratio: '9:5' };
    const number = new Cell(svg, { ...digit90, role: 'number', x: 5760, y: 120, max: 9999, paddingH: 90, paddingV: 90, paddingI: 140 });
    el('rect', { x: 3469, y: 3000, width: 4455, height: 1575, fill: '#000000' }, svg);
    const score = el('g', {}, svg);
    score.dataset.role = 'score';
    const scoreLeft = new Cell(score, { ...digit90, x: 3589, y: 3120, max: 19, paddingI: 200 });
    const point = el('rect', { x: 3469 + 1320, y: 3000 + 1200, width: 255, height: 255 }, score);
    const scoreRight = new Cell(score, { ...digit90, x: 5149, y: 3120, max: 999, paddingI: 200 });
    const pictures = [
      [120, 3000, 1485, 1875, 'home'],
      [8040, 3000, 1365, 1875, 'visitor'],
    ].map(([x, y, width, height, which]) => {
      el('rect', { x, y, width, height, fill: '#808080' }, svg);
      const image = el('image', { x, y, width, height, preserveAspectRatio: 'xMidYMid meet' }, svg);
      image.dataset.role = `picture-${which}`;
      return { image, which, address: null };
    });
    const clocks = {
      routine: new ClockDisplay(svg, boardClock('routine', 120, 2)),
      fall: new ClockDisplay(svg, boardClock('fall', 3585, 1)),
      warmup: new ClockDisplay(svg, boardClock('warmup', 6360, 2)),
    };
    return {
      render(s) {
        const c = s.colors;
        const style = s.digitStyle;
        back.setAttribute('fill', c.back);
        for (const t of [event, name, team, ...labels]) t.node.setAttribute('fill', c.text);
        setText(event.node, s.event, event.w);
        setText(name.node, s.name, name.w);
        setText(team.node, s.team, team.w);
        for (const [key, t] of Object.entries(captions)) setText(t.node, caption(s, key), t.w);
        number.show(segmentsShown(s.number ?? -1, 9999, false), c.gymnast, c.ledBack, style, true);
        number.group.dataset.shown = s.number === null ? '' : String(s.number);
        scoreLeft.show(segmentsShown(s.score ? s.score.whole : -1, 19, false), c.score, c.ledBack, style, true);
        scoreRight.show(segmentsShown(s.score ? s.score.thousandths : -1, 999, true), c.score, c.ledBack, style, true);
        point.setAttribute('fill', c.score);
        score.dataset.shown = s.score ? s.score.text : '';
        for (const p of pictures) {
          const address = s.pictures[p.which];
          if (address !== p.address) {
            p.address = address;
            if (address) p.image.setAttribute('href', address);
            else p.image.removeAttribute('href');
          }
        }
      },
      tick(s, ms) {
        for (const n of CLOCKS)
          clocks[n].show(shownSecond(clockValue(s.clocks[n], ms)), s.colors[n], s.colors.ledBack, s.colors.text, s.digitStyle);
      },
    };
  }

  // A lower third for a stream, on a transparent background, in 1920 x 1080 units: number,
  // name and team, the score, and above its right end the clock that runs.
  function overlayView(svg) {
    svg.setAttribute('viewBox', '0 0 1920 1080');
    const plate = el('rect', { x: 96, y: 820, width: 1728, height: 176, rx: 14, 'fill-opacity': 0.9 }, svg);
    const digit = { height: 120, ratio: '9:5' };
    const numberBack = el('rect', { x: 112, y: 836, width: 300, height: 144, rx: 8 }, svg);
    const number = new Cell(svg, { ...digit, role: 'number', x: 122, y: 848, max: 9999, paddingI: 6 });
    const name = text(svg, { x: 440, y: 878, 'font-size': 62, 'font-weight': 'bold', 'dominant-baseline': 'central' }, 'name');
    const team = text(svg, { x: 440, y: 948, 'font-size': 40, 'dominant-baseline': 'central', 'fill-opacity': 0.85 }, 'team');
    const score = el('g', {}, svg);
    score.dataset.role = 'score';
    const scoreBack = el('rect', { x: 1430, y: 836, width: 380, height: 144, rx: 8 }, score);
    const scoreLeft = new Cell(score, { ...digit, x: 1446, y: 848, max: 19, paddingI: 8 });
    const point = el('rect', { x: 1550, y: 950, width: 16, height: 16 }, score);
    const scoreRight = new Cell(score, { ...digit, x: 1578, y: 848, max: 999, paddingI: 8 });
    const clockGroup = el('g', {}, svg);
    clockGroup.dataset.role = 'clock';
    const clockPlate = el('rect', { y: 676, height: 128, rx: 14, 'fill-opacity': 0.9 }, clockGroup);
    const clockBoxes = {};
    for (const n of CLOCKS) {
      const probe = new ClockDisplay(el('g'), scaledClock(n, 0, 0, n === 'fall' ? 1 : 2, 96));
      const x = 1824 - probe.width - 8;
      const group = el('g', {}, clockGroup);
      clockBoxes[n] = { group, x, display: new ClockDisplay(group, scaledClock(n, x, 684, n === 'fall' ? 1 : 2, 96)) };
    }
    let shown = null;
    return {
      render(s) {
        const c = s.colors;
        for (const r of [plate, clockPlate]) r.setAttribute('fill', c.back);
        for (const r of [numberBack, scoreBack]) r.setAttribute('fill', c.ledBack);
        name.setAttribute('fill', c.text);
        team.setAttribute('fill', c.text);
        setText(name, s.name, 960);
        setText(team, s.team, 960);
        number.show(segmentsShown(s.number ?? -1, 9999, false), c.gymnast, c.ledBack, s.digitStyle, false);
        number.group.dataset.shown = s.number === null ? '' : String(s.number);
        scoreLeft.show(segmentsShown(s.score ? s.score.whole : -1, 19, false), c.score, c.ledBack, s.digitStyle, false);
        scoreRight.show(segmentsShown(s.score ? s.score.thousandths : -1, 999, true), c.score, c.ledBack, s.digitStyle, false);
        point.setAttribute('fill', s.score ? c.score : c.ledBack);
        score.dataset.shown = s.score ? s.score.text : '';
      },
      tick(s, ms) {
        const running = runningClock(s);
        clockGroup.style.display = running ? '' : 'none';
        clockGroup.dataset.shown = running || '';
        if (!running) return;
        if (running !== shown) {
          shown = running;
          for (const n of CLOCKS) clockBoxes[n].group.style.display = n === running ? '' : 'none';
          clockPlate.setAttribute('x', clockBoxes[running].x - 8);
          clockPlate.setAttribute('width', 1824 - clockBoxes[running].x + 8);
        }
        clockBoxes[running].display.show(shownSecond(clockValue(s.clocks[running], ms)), s.colors[running], s.colors.ledBack, s.colors.text, s.digitStyle);
      },
    };
  }

  // One large clock: the one running, or the one the address names (?clock=fall).
  function clockView(svg) {
    svg.setAttribute('viewBox', '0 0 1920 1080');
    const asked = new URLSearchParams(location.search).get('clock');
    const fixed = CLOCKS.includes(asked) ? asked : null;
    const back = el('rect', { x: 0, y: 0, width: 1920, height: 1080 }, svg);
    const title = text(svg, { x: 960, y: 150, 'font-size': 120, 'text-anchor': 'middle', 'dominant-baseline': 'central' }, 'title');
    const displays = {};
    for (const n of CLOCKS) {
      const minuteDigits = n === 'fall' ? 1 : 2;
      const probe = new ClockDisplay(el('g'), scaledClock(n, 0, 0, minuteDigits, 540));
      const group = el('g', {}, svg);
      displays[n] = { group, display: new ClockDisplay(group, scaledClock(n, (1920 - probe.width) / 2, 300 + (780 - probe.height) / 2, minuteDigits, 540)) };
    }
    let shown = null;
    return {
      render(s) {
        back.setAttribute('fill', s.colors.back);
        title.setAttribute('fill', s.colors.text);
      },
      tick(s, ms) {
        const running = runningClock(s);
        const n = fixed || running || lastRunning;
        if (n !== shown) {
          shown = n;
          for (const other of CLOCKS) displays[other].group.style.display = other === n ? '' : 'none';
          title.textContent = caption(s, n);
          document.body.dataset.clock = n;
        }
        displays[n].display.show(shownSecond(clockValue(s.clocks[n], ms)), s.colors[n], s.colors.ledBack, s.colors.text, s.digitStyle);
      },
    };
  }

  // ---- Following the board ------------------------------------------------------------------
  const svg = el('svg', { preserveAspectRatio: 'xMidYMid meet', role: 'img' }, null);
  document.getElementById('view').appendChild(svg);
  let page = null;
  let state = null;

  function apply(next) {
    learnTime(next.now);
    state = next;
    document.body.dataset.version = String(next.version);
    if (!page || !shapes) return;
    page.render(state);
    page.tick(state, serverNow());
  }

  function connect() {
    const source = new EventSource('/events');
    let fresh = true;
    source.addEventListener('open', () => {
      fresh = true;
      document.body.dataset.connected = 'true';
    });
    source.addEventListener('state', (e) => {
      // The first state after (re)connecting is a snapshot: the program may have started
      // again with a new count of versions.
      const next = JSON.parse(e.data);
      if (fresh) offset = null;
      if (fresh || !state || next.version !== state.version) apply(next);
      fresh = false;
    });
    source.addEventListener('time', (e) => learnTime(JSON.parse(e.data).now));
    source.addEventListener('error', () => {
      document.body.dataset.connected = 'false';
      // EventSource gives up on an answer that is no stream (a full server); try again.
      if (source.readyState === EventSource.CLOSED) setTimeout(connect, 2000);
    });
  }

  function loadShapes() {
    fetch('/segments', { cache: 'no-store' })
      .then((r) => (r.ok ? r.json() : Promise.reject(new Error(r.status))))
      .then((json) => {
        shapes = json;
        page = (view === 'overlay' ? overlayView : view === 'clock' ? clockView : boardView)(svg);
        if (state) apply(state);
      })
      .catch(() => setTimeout(loadShapes, 2000));
  }

  loadShapes();
  connect();
  setInterval(() => {
    if (page && state) page.tick(state, serverNow());
  }, 50);
})();
