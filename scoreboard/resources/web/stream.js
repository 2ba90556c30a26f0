// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

// One stream of the board's changes for every page of a browser: a browser keeps at most six
// connections to one server, so pages that each held their own stream would leave the seventh
// view blank. This worker holds the one EventSource and hands each message to every page.
'use strict';

let source = null;
let latest = null; // the last state, for a page that comes later
let connected = false;
const ports = new Set();

function tell(message) {
  for (const port of ports) port.postMessage(message);
}

function open() {
  source = new EventSource('/events');
  let fresh = true;
  source.addEventListener('open', () => {
    fresh = true;
    connected = true;
    tell({ type: 'status', connected: true });
  });
  source.addEventListener('state', (e) => {
    latest = e.data;
    // The first state after (re)connecting is a snapshot: the program may have started again.
    tell({ type: 'state', data: e.data, fresh });
    fresh = false;
  });
  source.addEventListener('time', (e) => tell({ type: 'time', data: e.data }));
  source.addEventListener('error', () => {
    connected = false;
    tell({ type: 'status', connected: false });
    // EventSource gives up on an answer that is no stream (a full server); try again.
    if (source.readyState === EventSource.CLOSED) setTimeout(open, 2000);
  });
}

self.addEventListener('connect', (e) => {
  const port = e.ports[0];
  ports.add(port);
  port.addEventListener('message', (m) => {
    if (m.data === 'bye') ports.delete(port);
  });
  port.start();
  if (!source) open();
  port.postMessage({ type: 'status', connected });
  if (latest) port.postMessage({ type: 'state', data: latest, fresh: true });
});
