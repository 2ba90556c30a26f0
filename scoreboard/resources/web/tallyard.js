// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

// The board's web views: draws the board's state as SVG and follows its changes from the
// program's event stream. Each page names its view in <body data-view="...">.
'use strict';

(() => {
  const SVG = 'http://www.w3.org/2000/svg';
  const view = document.body.dataset.view;

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
  let design = null; // the board's face, from /design

  // value -1 shows nothing; above max the overload sign (middle bars); otherwise the digits
  // right-aligned, padded with zeros when zeroFill; a half digit shows only a 1. cell: a
  // cell of the design (its digit positions and its max).
  function segmentsShown(value, cell, zeroFill) {
    const positions = cell.digits.length;
    const half = Boolean(cell.digits[0].half);
    const masks = new Array(positions).fill(0);
    if (value === null || value === undefined || value < 0) return masks;
    if (value > cell.max) {
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

  // A cell of the board's design, drawn in the board's twips (a view that shows it at another
  // size or place wraps it in a transform); redrawn only when what it shows or how it looks
  // changed.
  class Cell {
    constructor(parent, cell, role) {
      this.cell = cell;
      this.group = el('g', {}, parent);
      if (role) this.group.dataset.role = role;
      this.key = null;
    }
    show(masks, litHex, backHex, style, background) {
      const key = `${masks.join(',')}|${litHex}|${backHex}|${style}|${background}`;
      if (key === this.key) return;
      this.key = key;
      this.group.replaceChildren();
      const c = this.cell;
      if (background) el('rect', { x: c.x, y: c.y, width: c.w, height: c.h, fill: backHex }, this.group);
      const colors = palette(litHex, backHex);
      c.digits.forEach((box, i) =>
        drawDigit(this.group, box, masks[i], box.half ? shapes.halfDigit : 127, style, c.ratio, colors));
    }
  }
  // The extent of a cell's digits: what a view that leaves out the cell's margins sizes by.
  function digitsExtent(cell) {
    const first = cell.digits[0];
    const last = cell.digits[cell.digits.length - 1];
    const left = first.half ? first.x + first.w - shapes.ratios[cell.ratio].halfWidth / shapes.ratios[cell.ratio].width * first.w : first.x;
    return { x: left, y: first.y, w: last.x + last.w - left, h: first.h };
  }

  // A clock display as the board's TimeLED, in the board's twips: a minutes and a seconds
  // cell with its pair of round dots between them (dark while the minutes are blank).
  class ClockDisplay {
    constructor(parent, clock, role) {
      this.clock = clock;
      this.group = el('g', {}, parent);
      if (role) this.group.dataset.role = role;
      this.back = el('rect', { x: clock.x, y: clock.y, width: clock.w, height: clock.h }, this.group);
      [this.minutesCell, this.secondsCell] = clock.cells;
      this.minutes = new Cell(this.group, this.minutesCell);
      this.seconds = new Cell(this.group, this.secondsCell);
      this.dots = clock.dots.map((d) => el('circle', { cx: d.x + d.w / 2, cy: d.y + d.h / 2, r: d.w / 2 }, this.group));
    }
    show(second, litHex, backHex, separatorHex, style) {
      const m = Math.floor(second / 60);
      const s = second - 60 * m;
      const blank = m === 0;
      this.back.setAttribute('fill', backHex);
      this.minutes.show(segmentsShown(blank ? -1 : m, this.minutesCell, false), litHex, backHex, style, false);
      this.seconds.show(segmentsShown(s, this.secondsCell, !blank), litHex, backHex, style, false);
      for (const dot of this.dots) dot.setAttribute('fill', blank ? backHex : separatorHex);
      const shown = m > this.minutesCell.max ? '--:--' : blank ? String(s) : `${m}:${String(s).padStart(2, '0')}`;
      this.group.dataset.shown = shown;
    }
  }
  // A group that shows a box of the board's twips at x, y, k times its size.
  function placed(parent, box, x, y, k) {
    return el('g', { transform: `translate(${x - box.x * k},${y - box.y * k}) scale(${k})` }, parent);
  }

  // The gymnast and the score shown, for a view's title.
  function gymnastTitle(s) {
    return [s.number === null ? '' : String(s.number), s.name, s.score ? s.score.text : ''].filter(Boolean).join(' ');
  }

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

  // The board as the audience sees it, in the board's own twips (its design, from the
  // program), centred on a 16:9 view.
  const CLOCK_ELEMENTS = { routine: 'tledRoutine', fall: 'tledFall', warmup: 'tledWarmUp' };
  function boardView(svg) {
    const e = design.elements;
    const W = design.width;
    const H = design.height;
    const wide = (H * 16) / 9;
    svg.setAttribute('viewBox', `${-(wide - W) / 2} 0 ${wide} ${H}`);
    const back = el('rect', { x: -(wide - W) / 2, y: 0, width: wide, height: H }, svg);
    // A text box or label as the board draws it: left-aligned (0) or centred, its font in points.
    const MARGIN = 60;
    const textBox = (d, role) => {
      const left = d.alignment === 0;
      const node = text(svg, { x: left ? d.x + MARGIN : d.x + d.w / 2, y: d.y + d.h / 2, 'font-size': pt(d.fontSize),
        'text-anchor': left ? 'start' : 'middle', 'dominant-baseline': 'central' }, role);
      return { node, w: d.w - 2 * MARGIN, design: d };
    };
    const rect = (d, fill) => el('rect', { x: d.x, y: d.y, width: d.w, height: d.h, ...(fill ? { fill } : {}) }, svg);
    const pictures = [
      ['picHomePicContainer', 'home'],
      ['picVisitorPicContainer', 'visitor'],
    ].map(([name, which]) => {
      const d = e[name];
      const frame = rect(d);
      const image = el('image', { x: d.x, y: d.y, width: d.w, height: d.h, preserveAspectRatio: 'xMidYMid meet' }, svg);
      image.dataset.role = `picture-${which}`;
      return { frame, image, which, address: null };
    });
    const event = textBox(e.txtEvent, 'event');
    const name = textBox(e.txtGymnastName, 'name');
    const team = textBox(e.txtGymnastTeam, 'team');
    // The labels: the board's captions, in its language as the state brings it, and the others as designed.
    const labels = Object.values(e).filter((d) => d.kind === 'Label' && (d.caption || d.text)).map((d) => {
      const t = textBox(d, null);
      t.node.textContent = d.caption ? TITLES[d.caption] : d.text;
      return t;
    });
    const number = new Cell(svg, e.nledGymnastNum, 'number');
    rect(e.picScoreBack, '#000000');
    const score = el('g', {}, svg);
    score.dataset.role = 'score';
    const scoreLeft = new Cell(score, e.nledScoreLeft);
    const point = el('rect', { x: e.shpScore.x, y: e.shpScore.y, width: e.shpScore.w, height: e.shpScore.h }, score);
    const scoreRight = new Cell(score, e.nledScoreRight);
    const clocks = Object.fromEntries(CLOCKS.map((n) => [n, new ClockDisplay(svg, e[CLOCK_ELEMENTS[n]], n)]));
    return {
      title: gymnastTitle,
      render(s) {
        const c = s.colors;
        const style = s.digitStyle;
        back.setAttribute('fill', c.back);
        for (const t of [event, name, team, ...labels]) t.node.setAttribute('fill', c.text);
        setText(event.node, s.event, event.w);
        setText(name.node, s.name, name.w);
        setText(team.node, s.team, team.w);
        for (const t of labels) if (t.design.caption) setText(t.node, caption(s, t.design.caption), t.w);
        number.show(segmentsShown(s.number ?? -1, e.nledGymnastNum, false), c.gymnast, c.ledBack, style, true);
        number.group.dataset.shown = s.number === null ? '' : String(s.number);
        scoreLeft.show(segmentsShown(s.score ? s.score.whole : -1, e.nledScoreLeft, false), c.score, c.ledBack, style, true);
        scoreRight.show(segmentsShown(s.score ? s.score.thousandths : -1, e.nledScoreRight, true), c.score, c.ledBack, style, true);
        point.setAttribute('fill', c.score);
        score.dataset.shown = s.score ? s.score.text : '';
        for (const p of pictures) {
          p.frame.setAttribute('fill', c.back);
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
  // name and team, the score, and above its right end the clock that runs. The LED cells and
  // clocks are the board's own, at the lower third's size.
  function overlayView(svg) {
    const e = design.elements;
    svg.setAttribute('viewBox', '0 0 1920 1080');
    const plate = el('rect', { x: 96, y: 820, width: 1728, height: 176, rx: 14, 'fill-opacity': 0.9 }, svg);
    const DIGIT = 120; // a digit's height here
    const PAD = 10;
    // A board cell shown with its digits DIGIT high, its digits' left edge at x, top at y.
    const cellAt = (parent, d, x, y, role) => {
      const extent = digitsExtent(d);
      const k = DIGIT / extent.h;
      return { cell: new Cell(placed(parent, extent, x, y, k), d, role), width: extent.w * k };
    };
    const numberExtent = digitsExtent(e.nledGymnastNum);
    const numberWidth = (numberExtent.w * DIGIT) / numberExtent.h;
    const numberBack = el('rect', { x: 112, y: 836, width: numberWidth + 2 * PAD, height: DIGIT + 24, rx: 8 }, svg);
    const number = cellAt(svg, e.nledGymnastNum, 112 + PAD, 848, 'number').cell;
    const textX = 112 + numberWidth + 2 * PAD + 28;
    const name = text(svg, { x: textX, y: 878, 'font-size': 62, 'font-weight': 'bold', 'dominant-baseline': 'central' }, 'name');
    const team = text(svg, { x: textX, y: 948, 'font-size': 40, 'dominant-baseline': 'central', 'fill-opacity': 0.85 }, 'team');
    const score = el('g', {}, svg);
    score.dataset.role = 'score';
    const scoreBack = el('rect', { y: 836, height: DIGIT + 24, rx: 8 }, score);
    const left = digitsExtent(e.nledScoreLeft);
    const right = digitsExtent(e.nledScoreRight);
    const k = DIGIT / left.h;
    // The score as the board spaces it, points, point and thousandths, ending at the plate's right.
    const scoreWidth = (right.x + right.w - left.x) * k;
    const scoreX = 1814 - PAD - scoreWidth;
    scoreBack.setAttribute('x', scoreX - PAD);
    scoreBack.setAttribute('width', scoreWidth + 2 * PAD);
    const scoreGroup = placed(score, left, scoreX, 848, k);
    const scoreLeft = new Cell(scoreGroup, e.nledScoreLeft);
    const point = el('rect', { x: e.shpScore.x, y: e.shpScore.y, width: e.shpScore.w, height: e.shpScore.h }, scoreGroup);
    const scoreRight = new Cell(scoreGroup, e.nledScoreRight);
    const textWidth = scoreX - PAD - 28 - textX;
    const clockGroup = el('g', {}, svg);
    clockGroup.dataset.role = 'clock';
    const clockPlate = el('rect', { y: 676, height: 128, rx: 14, 'fill-opacity': 0.9 }, clockGroup);
    const clockBoxes = {};
    for (const n of CLOCKS) {
      const d = e[CLOCK_ELEMENTS[n]];
      const scale = 112 / d.h;
      const x = 1824 - d.w * scale - 8;
      const group = placed(clockGroup, d, x, 684, scale);
      clockBoxes[n] = { group, x, display: new ClockDisplay(group, d) };
    }
    let shown = null;
    return {
      title: gymnastTitle,
      render(s) {
        const c = s.colors;
        for (const r of [plate, clockPlate]) r.setAttribute('fill', c.back);
        for (const r of [numberBack, scoreBack]) r.setAttribute('fill', c.ledBack);
        name.setAttribute('fill', c.text);
        team.setAttribute('fill', c.text);
        setText(name, s.name, textWidth);
        setText(team, s.team, textWidth);
        number.show(segmentsShown(s.number ?? -1, e.nledGymnastNum, false), c.gymnast, c.ledBack, s.digitStyle, false);
        number.group.dataset.shown = s.number === null ? '' : String(s.number);
        scoreLeft.show(segmentsShown(s.score ? s.score.whole : -1, e.nledScoreLeft, false), c.score, c.ledBack, s.digitStyle, false);
        scoreRight.show(segmentsShown(s.score ? s.score.thousandths : -1, e.nledScoreRight, true), c.score, c.ledBack, s.digitStyle, false);
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
    const e = design.elements;
    svg.setAttribute('viewBox', '0 0 1920 1080');
    const asked = new URLSearchParams(location.search).get('clock');
    const fixed = CLOCKS.includes(asked) ? asked : null;
    const back = el('rect', { x: 0, y: 0, width: 1920, height: 1080 }, svg);
    const title = text(svg, { x: 960, y: 150, 'font-size': 120, 'text-anchor': 'middle', 'dominant-baseline': 'central' }, 'title');
    const displays = {};
    for (const n of CLOCKS) {
      const d = e[CLOCK_ELEMENTS[n]];
      // As large as the space under the title allows: 1800 wide, 700 high at the most.
      const k = Math.min(1800 / d.w, 700 / d.h);
      const group = placed(svg, d, (1920 - d.w * k) / 2, 300 + (780 - d.h * k) / 2, k);
      displays[n] = { group, display: new ClockDisplay(group, d) };
    }
    let shown = null;
    return {
      title(s) {
        const n = fixed || shown || lastRunning;
        return `${caption(s, n)} ${displays[n].display.group.dataset.shown || ''}`;
      },
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

  // A second official's control page, on a phone or a tablet: what the board shows, and
  // large buttons for the clocks, the next and previous gymnast, a score and a number. It acts
  // only for a device paired with a code from the operator's screen, with the token it was
  // given then (kept in this browser, never in a cookie).
  const TOKEN = 'tallyard-control-token';
  function controlView(svg) {
    svg.remove();
    const root = document.getElementById('view');
    root.classList.add('control');
    const node = (tag, className, parent, text) => {
      const n = document.createElement(tag);
      if (className) n.className = className;
      if (text !== undefined) n.textContent = text;
      parent.appendChild(n);
      return n;
    };
    const status = node('div', 'status', root);
    const say = (text, bad) => {
      status.textContent = text || '';
      status.classList.toggle('bad', Boolean(bad));
    };
    const head = node('div', 'gymnast', root);
    const number = node('span', 'number', head);
    const who = node('span', 'who', head);
    const score = node('span', 'score', head);
    let token = localStorage.getItem(TOKEN);
    const send = (command, value) => {
      if (!token) return say('This device is not paired: scan the code on the operator\'s screen.', true);
      fetch(`/api/command/${command}`, {
        method: 'POST',
        headers: { Authorization: `Bearer ${token}`, 'Content-Type': 'text/plain' },
        body: value || '',
      })
        .then((r) => r.text().then((text) => ({ ok: r.ok, status: r.status, text })))
        .then(({ ok, status: code, text }) => {
          if (ok) {
            takeState(text, false);
            say('');
            return;
          }
          if (code === 401) {
            localStorage.removeItem(TOKEN);
            token = null;
          }
          let why = text;
          try {
            why = JSON.parse(text).error;
          } catch (e) {
            // not JSON: the text as it came
          }
          say(why, true);
        })
        .catch(() => say('The board cannot be reached.', true));
    };
    const button = (parent, label, command, className) => {
      const b = node('button', className || '', parent, label);
      b.type = 'button';
      b.addEventListener('click', () => send(command));
      return b;
    };
    const clocks = {};
    const clockRow = (n, command, label) => {
      const row = node('div', `clock ${n}`, root);
      const title = node('span', 'title', row, TITLES[n]);
      const time = node('span', 'time', row, '');
      const toggle = button(row, label, command, 'big');
      clocks[n] = { title, time, toggle };
    };
    clockRow('routine', 'routine', 'Start');
    clockRow('fall', 'fall', 'Fall \u21c4');
    clockRow('warmup', 'warmup', 'Start');
    const actions = node('div', 'actions', root);
    button(actions, '\u25c0 Previous', 'previous', 'big');
    button(actions, 'Next \u25b6', 'next', 'big');
    button(actions, 'Chime', 'chime', 'big');
    button(actions, 'Reset for the next gymnast', 'reset', 'big wide');
    const entry = (label, command, mode) => {
      const form = node('form', 'entry', root);
      node('label', '', form, label);
      const input = node('input', '', form);
      input.inputMode = mode;
      input.autocomplete = 'off';
      const go = node('button', 'big', form, 'Send');
      go.type = 'submit';
      form.addEventListener('submit', (e) => {
        e.preventDefault();
        send(command, input.value);
        input.value = '';
      });
    };
    entry('Score', 'score', 'decimal');
    entry('Gymnast number', 'number', 'numeric');

    // A device that comes with a pairing code asks for its token, and forgets the code.
    const pair = new URLSearchParams(location.hash.slice(1)).get('pair');
    if (pair) {
      history.replaceState(null, '', location.pathname);
      const device = `${navigator.platform || 'device'} ${new Date().toLocaleTimeString()}`;
      fetch('/api/pair', {
        method: 'POST',
        headers: { 'Content-Type': 'application/x-www-form-urlencoded' },
        body: `code=${encodeURIComponent(pair)}&device=${encodeURIComponent(device)}`,
      })
        .then((r) => r.json().then((json) => ({ ok: r.ok, json })))
        .then(({ ok, json }) => {
          if (!ok) return say(json.error || 'The pairing failed.', true);
          token = json.token;
          localStorage.setItem(TOKEN, token);
          say('Paired with the board.');
        })
        .catch(() => say('The board cannot be reached.', true));
    } else if (!token) {
      say('This device is not paired: scan the code on the operator\'s screen.', true);
    }
    return {
      title: (st) => `Control ${gymnastTitle(st)}`,
      render(st) {
        number.textContent = st.number === null ? '' : String(st.number);
        who.textContent = [st.name, st.team].filter(Boolean).join(' \u2013 ');
        score.textContent = st.score ? st.score.text : '';
        for (const n of CLOCKS) {
          clocks[n].title.textContent = caption(st, n);
          if (n !== 'fall') clocks[n].toggle.textContent = st.clocks[n].running ? 'Stop' : 'Start';
          clocks[n].toggle.classList.toggle('running', st.clocks[n].running);
        }
      },
      tick(st, ms) {
        for (const n of CLOCKS) {
          const second = shownSecond(clockValue(st.clocks[n], ms));
          const text = `${Math.floor(second / 60)}:${String(second % 60).padStart(2, '0')}`;
          if (clocks[n].time.textContent !== text) clocks[n].time.textContent = text;
        }
      },
    };
  }

  // ---- Following the board ------------------------------------------------------------------
  const svg = el('svg', { preserveAspectRatio: 'xMidYMid meet', role: 'img' }, null);
  document.getElementById('view').appendChild(svg);
  let page = null;
  let state = null;

  const WAIT_MS = 4000;
  const HEARTBEAT_MS = 15000; // the server's time comes at least this often on a live stream
  function apply(next) {
    learnTime(next.now);
    state = next;
    document.body.dataset.version = String(next.version);
    if (!page) return;
    page.render(state);
    page.tick(state, serverNow());
    showTitle();
  }
  // The tab's title says what the view shows: the gymnast and the score, or the clock.
  function showTitle() {
    const shown = page && page.title ? page.title(state) : '';
    const title = shown ? `${shown} \u2013 Tallyard` : 'Tallyard';
    if (document.title !== title) document.title = title;
  }

  // ---- The board's changes ------------------------------------------------------------------
  // One stream for all the pages of a browser (a SharedWorker), the page's own where the browser
  // has none, and /state fetched every two seconds while no stream brings anything. A page that
  // has heard nothing for a few seconds says it is waiting, and keeps trying.
  let lastHeard = Date.now(); // the page's start counts as a word: it waits a few seconds first
  let streaming = false;
  function heard() {
    lastHeard = Date.now();
  }
  function takeState(json, fresh) {
    const next = JSON.parse(json);
    if (fresh) offset = null;
    if (fresh || !state || next.version !== state.version || next.startedAt !== state.startedAt) apply(next);
    heard();
  }
  function ownStream() {
    const source = new EventSource('/events');
    let fresh = true;
    source.addEventListener('open', () => {
      fresh = true;
      streaming = true;
    });
    source.addEventListener('state', (e) => {
      takeState(e.data, fresh);
      fresh = false;
    });
    source.addEventListener('time', (e) => {
      learnTime(JSON.parse(e.data).now);
      heard();
    });
    source.addEventListener('error', () => {
      streaming = false;
      if (source.readyState === EventSource.CLOSED) setTimeout(ownStream, 2000);
    });
  }
  function sharedStream() {
    const worker = new SharedWorker('/stream.js', { name: 'tallyard-stream' });
    worker.port.addEventListener('message', (e) => {
      const m = e.data;
      if (m.type === 'status') streaming = m.connected;
      else if (m.type === 'state') takeState(m.data, m.fresh);
      else if (m.type === 'time') {
        learnTime(JSON.parse(m.data).now);
        heard();
      }
    });
    worker.port.start();
    addEventListener('pagehide', () => worker.port.postMessage('bye'));
  }
  function connect() {
    try {
      if (window.SharedWorker) return sharedStream();
    } catch (e) {
      // A browser that refuses the worker (a file page, a policy): the page's own stream.
    }
    ownStream();
  }
  // While no stream brings anything, the state itself, fetched.
  setInterval(() => {
    const quiet = Date.now() - lastHeard;
    if (quiet < WAIT_MS || (streaming && quiet < HEARTBEAT_MS + WAIT_MS)) return;
    fetch('/state', { cache: 'no-store' })
      .then((r) => (r.ok ? r.text() : Promise.reject(new Error(r.status))))
      .then((json) => takeState(json, true))
      .catch(() => {});
  }, 2000);
  // "Waiting for the board" after a few seconds without a word from it.
  const waiting = document.getElementById('waiting');
  setInterval(() => {
    if (waiting) waiting.hidden = Date.now() - lastHeard < WAIT_MS + (streaming && state ? HEARTBEAT_MS : 0);
  }, 500);

  // The segments' shapes and the board's design, both from the program, before any drawing.
  function loadShapes() {
    const json = (path) =>
      fetch(path, { cache: 'no-store' }).then((r) => (r.ok ? r.json() : Promise.reject(new Error(r.status))));
    Promise.all([json('/segments'), json('/design')])
      .then(([segments, board]) => {
        shapes = segments;
        design = board;
        page = ({ overlay: overlayView, clock: clockView, control: controlView }[view] || boardView)(svg);
        if (state) apply(state);
      })
      .catch(() => setTimeout(loadShapes, 2000));
  }

  loadShapes();
  connect();
  setInterval(() => {
    if (!page || !state) return;
    page.tick(state, serverNow());
    showTitle();
  }, 50);
})();
