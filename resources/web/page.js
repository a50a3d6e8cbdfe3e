// The page of vok_demo --web: draws the windows the program describes
// (a "view" event, then a "patch" of what changed for every change) as
// real elements with their roles and names, gives the browser's focus to
// the widget that has the program's focus, and sends the person's keys
// and clicks back, one message at a time, in order.
'use strict';

const token = new URLSearchParams(location.search).get('token') || '';
const screen = document.getElementById('screen');
const statusLine = document.getElementById('status');
const banner = document.getElementById('banner');
let stream = -1;
let over = false;
let view = null;
let sending = Promise.resolve();
let reconnecting = null;
// How long a lost event stream may take to come back.
const kGone = 2500;

// The keys the terminal front end knows, by the browser's names.
const keys = {
  Tab: 'Tab', Enter: 'Enter', Escape: 'Escape', ArrowUp: 'Up', ArrowDown: 'Down',
  ArrowLeft: 'Left', ArrowRight: 'Right', Home: 'Home', End: 'End', PageUp: 'PageUp',
  PageDown: 'PageDown', Backspace: 'Backspace', Delete: 'Delete',
};

function send(message) {
  if (over || stream < 0) return;
  const body = JSON.stringify(Object.assign({ stream }, message));
  sending = sending.then(() => fetch(`event?token=${encodeURIComponent(token)}`, {
    method: 'POST', headers: { 'Content-Type': 'application/json' }, body,
  })).then(async (response) => {
    if (response.ok) return;
    const reply = await response.json().catch(() => ({}));
    if (response.status === 409) end('taken');
    else if (response.status === 410) end('ended');
    else console.warn('vok_demo refused a message:', reply.error);
  }).catch(() => end('lost'));
}

function sendText(text) {
  for (const character of text) send({ kind: 'char', text: character });
}

// The program is gone or another tab has the form: the page says so and
// takes no more input.
function end(reason) {
  if (over) return;
  over = true;
  const words = (view && view.words) || {};
  banner.hidden = false;
  banner.textContent = words[reason] || reason;
  document.body.classList.add('over');
  screen.inert = true;
  events.close();
}

// Elements, built afresh for every view and then merged into the page.
function make(tag, attributes, ...children) {
  const element = document.createElement(tag);
  for (const [name, value] of Object.entries(attributes || {})) {
    if (value === false || value === null || value === undefined) continue;
    if (name === 'value') element.value = value;
    else element.setAttribute(name, value === true ? '' : String(value));
  }
  element.append(...children.filter((child) => child !== null && child !== undefined));
  return element;
}

const idOf = (...parts) => parts.join('-').replace(/[^A-Za-z0-9_-]/g, '_');
const cell = (at) => at && `${at.x},${at.y}`;

// What every focusable item carries: the program's focus as the roving
// tabindex, and the cell a click on it goes to.
function focusable(item) {
  return { tabindex: item.focus ? 0 : -1, 'data-focus': item.focus, 'data-at': cell(item.at) };
}

function calendarIcon() {
  const svg = document.createElementNS('http://www.w3.org/2000/svg', 'svg');
  svg.setAttribute('viewBox', '0 0 24 24');
  svg.setAttribute('aria-hidden', 'true');
  svg.setAttribute('focusable', 'false');
  svg.innerHTML = '<rect x="3" y="5" width="18" height="16" rx="2" fill="none" stroke="currentColor" stroke-width="2"/>' +
    '<path d="M3 10h18M8 3v4M16 3v4" stroke="currentColor" stroke-width="2"/>' +
    '<rect x="7" y="13" width="4" height="4" fill="currentColor"/>';
  return svg;
}

function button(item) {
  return make('button', Object.assign(focusable(item), {
    type: 'button', class: item.icon ? 'icon' : null, 'data-name': item.name,
    'aria-label': item.icon ? item.label : null, 'aria-disabled': item.greyed ? 'true' : null,
  }), item.icon ? calendarIcon() : item.text);
}

// A field: an input, named by its label (labelledBy) or its own words.
function field(item, windowName, labelledBy, list) {
  const id = idOf(windowName, item.name);
  const attributes = Object.assign(focusable(item), {
    id, type: 'text', value: item.text, autocomplete: 'off', spellcheck: 'false',
    'data-name': item.name, 'aria-labelledby': labelledBy, 'aria-label': labelledBy ? null : item.label,
    'aria-disabled': item.greyed ? 'true' : null,
    'data-cursor': item.cursor, 'data-selected': item.selected,
  });
  const parts = [];
  if (item.kind === 'spinner') {
    Object.assign(attributes, {
      role: 'spinbutton', inputmode: 'numeric', 'aria-valuenow': Number.parseInt(item.text, 10) || null,
      'aria-valuemin': item.min, 'aria-valuemax': item.max, 'aria-valuetext': item.text,
    });
    parts.push(make('span', { class: 'arrow', 'aria-hidden': 'true', 'data-at': cell(item.up) }, '▴'),
      make('span', { class: 'arrow', 'aria-hidden': 'true', 'data-at': cell(item.down) }, '▾'));
  } else if (item.kind === 'combo') {
    Object.assign(attributes, {
      role: 'combobox', 'aria-expanded': String(Boolean(item.open)), 'aria-haspopup': 'listbox',
      'aria-controls': idOf(windowName, item.name, 'list'),
      'aria-activedescendant': item.open && list ? idOf(windowName, item.name, 'line', list.highlighted) : null,
    });
    if (!item.editable) attributes.readonly = true;
    parts.push(make('span', { class: 'arrow', 'aria-hidden': 'true', 'data-at': cell(item.at) }, '▾'));
  }
  const box = make('span', { class: `fieldbox ${item.kind}` }, make('input', attributes), ...parts);
  if (item.kind === 'combo') box.append(listElement(item, windowName, item.open ? list : null));
  return box;
}

function listElement(item, windowName, list) {
  const element = make('ul', { role: 'listbox', id: idOf(windowName, item.name, 'list'), class: 'droplist',
    'aria-label': item.label, hidden: !list });
  for (const line of list ? list.lines : []) {
    element.append(make('li', { role: 'option', id: idOf(windowName, item.name, 'line', line.index),
      'aria-selected': String(line.index === list.highlighted), 'data-at': cell(line.at) }, line.text));
  }
  return element;
}

// The day grid: weekday headings with their full names, the days named by
// their full dates, the chosen one selected, today's marked.
function grid(item, windowName) {
  const heading = idOf(windowName, item.name, 'heading');
  const head = make('tr', {}, ...item.columns.map((column) =>
    make('th', { scope: 'col', abbr: column.label },
      make('span', { 'aria-hidden': 'true' }, column.text), make('span', { class: 'sr-only' }, column.label))));
  const rows = item.rows.map((row) => make('tr', {}, ...row.map((day) => (day
    ? make('td', Object.assign(focusable(day), {
      'data-name': day.name, 'aria-label': day.label, 'aria-selected': String(day.chosen),
      'aria-current': day.today ? 'date' : null,
    }), day.text)
    : make('td', {})))));
  return [
    make('h3', { id: heading, class: 'sr-only', 'aria-live': 'polite' }, item.heading),
    make('table', { role: 'grid', class: 'days', 'aria-labelledby': heading, 'data-name': item.name },
      make('thead', {}, head), make('tbody', {}, ...rows)),
  ];
}

function line(items, windowName, list) {
  const element = make('div', { class: 'line' });
  items.forEach((item, index) => {
    const next = items[index + 1];
    const labels = item.kind === 'label' && next && ['editor', 'combo', 'spinner'].includes(next.kind);
    const labelId = idOf(windowName, item.name, 'label');
    switch (item.kind) {
      case 'grid': return element.append(...grid(item, windowName));
      case 'button': return element.append(button(item));
      case 'editor':
      case 'combo':
      case 'spinner': {
        const previous = items[index - 1];
        const by = previous && previous.kind === 'label' ? idOf(windowName, previous.name, 'label') : null;
        return element.append(field(item, windowName, by, list && list.combo === item.name ? list : null));
      }
      case 'separator': return element.append(make('hr', {}));
      default:
        return element.append(labels
          ? make('label', { id: labelId, for: idOf(windowName, next.name), 'data-name': item.name }, item.text)
          : make('span', { class: 'label', 'data-name': item.name }, item.text));
    }
  });
  return element;
}

function windowElement(win, index, count, words) {
  const titleId = idOf(win.name, 'title');
  const root = index === 0;
  const attributes = { class: `window ${win.role}`, 'data-name': win.name, 'aria-labelledby': titleId };
  if (!root) {
    Object.assign(attributes, { role: win.role, 'aria-modal': 'true' });
    if (win.message.length) attributes['aria-describedby'] = idOf(win.name, 'message');
  }
  const header = make('header', {}, make(root ? 'h1' : 'h2', { id: titleId }, win.title));
  if (win.close) {
    header.append(make('button', { type: 'button', class: 'close', tabindex: -1, 'aria-label': words.close,
      'data-name': 'Close', 'data-at': cell(win.close) }, '×'));
  }
  const body = make('div', { class: 'body' });
  if (win.message.length) {
    body.append(make('div', { class: 'message', id: idOf(win.name, 'message') },
      ...win.message.map((text) => make('p', {}, text))));
  }
  const list = index === count - 1 ? view.list : null;
  for (const items of win.lines) body.append(line(items, win.name, list));
  const footer = make('footer', {});
  for (const [key, name] of [['ok', 'OK'], ['cancel', 'Cancel']]) {
    const own = win[key];
    if (own) footer.append(button(Object.assign({ name, text: own.label }, own)));
  }
  const element = make('section', attributes, header, body);
  if (footer.childElementCount) element.append(footer);
  // Windows over the first one stand on a layer of their own, so that
  // nothing behind them moves; all but the top one are inert.
  const layered = root ? element : make('div', { class: 'layer' }, element);
  if (index < count - 1) layered.inert = true;
  return layered;
}

// Merges a freshly built tree into the page's, keeping the elements that
// stay (and with them the browser's focus and a screen reader's place).
function merge(old, fresh) {
  if (old.nodeType !== fresh.nodeType || old.nodeName !== fresh.nodeName ||
      (old.nodeType === Node.ELEMENT_NODE && old.dataset.name !== fresh.dataset.name)) {
    old.replaceWith(fresh);
    return;
  }
  if (old.nodeType !== Node.ELEMENT_NODE) {
    if (old.nodeValue !== fresh.nodeValue) old.nodeValue = fresh.nodeValue;
    return;
  }
  for (const { name } of Array.from(old.attributes)) {
    if (!fresh.hasAttribute(name)) old.removeAttribute(name);
  }
  for (const { name, value } of Array.from(fresh.attributes)) {
    if (old.getAttribute(name) !== value) old.setAttribute(name, value);
  }
  if (old.inert !== fresh.inert) old.inert = fresh.inert;
  if (old instanceof HTMLInputElement && old.value !== fresh.value) old.value = fresh.value;
  const before = Array.from(old.childNodes);
  const after = Array.from(fresh.childNodes);
  after.forEach((child, index) => (index < before.length ? merge(before[index], child) : old.append(child)));
  before.slice(after.length).forEach((child) => child.remove());
}

// The program's focus becomes the browser's; a field shows its cursor or
// its selected text.
function follow() {
  const focused = screen.querySelector('[data-focus]:not([inert] *)');
  if (!focused) return;
  if (document.activeElement !== focused) focused.focus();
  if (focused instanceof HTMLInputElement) {
    const cursor = Number(focused.dataset.cursor);
    if (focused.dataset.selected !== undefined) focused.setSelectionRange(0, focused.value.length);
    else if (focused.dataset.cursor !== undefined) focused.setSelectionRange(cursor, cursor);
  }
}

function draw() {
  document.documentElement.lang = view.lang;
  const fresh = make('div', { id: 'screen' });
  if (view.notice) fresh.append(make('p', { class: 'notice' }, view.notice));
  else view.windows.forEach((win, index) => fresh.append(windowElement(win, index, view.windows.length, view.words)));
  merge(screen, fresh);
  statusLine.textContent = view.status;
  follow();
}

// A JSON Patch (RFC 6902) of adds, removes and replaces, applied in place.
function patch(document, operations) {
  for (const operation of operations) {
    const path = operation.path.split('/').slice(1).map((key) => key.replace(/~1/g, '/').replace(/~0/g, '~'));
    if (path.length === 0) {
      document = operation.value;
      continue;
    }
    const last = path.pop();
    const parent = path.reduce((node, key) => node[key], document);
    if (Array.isArray(parent)) {
      const index = last === '-' ? parent.length : Number(last);
      if (operation.op === 'add') parent.splice(index, 0, operation.value);
      else if (operation.op === 'remove') parent.splice(index, 1);
      else parent[index] = operation.value;
    } else if (operation.op === 'remove') {
      delete parent[last];
    } else {
      parent[last] = operation.value;
    }
  }
  return document;
}

// A press acts when the button goes down, as in the terminal, so that a
// view drawn while the button is held does not lose it. The program keeps
// the focus: the browser does not move it on a click.
document.addEventListener('mousedown', (event) => {
  if (over || !event.target.closest('#screen')) return;
  event.preventDefault();
  const target = event.target.closest('[data-at]');
  if (!target || event.button !== 0 || event.detail > 2) return;
  const [x, y] = target.dataset.at.split(',').map(Number);
  send({ kind: event.detail === 2 ? 'double' : 'click', x, y });
});

document.addEventListener('keydown', (event) => {
  if (over || event.altKey || event.metaKey || event.isComposing) return;
  let message = null;
  if (event.ctrlKey) {
    const letter = event.key.toLowerCase();
    if (letter === 'u') message = { kind: 'key', key: 'EraseToStart' };
    else if (letter === 'q') message = { kind: 'quit' };
  } else if (event.key === 'Tab' && event.shiftKey) {
    message = { kind: 'key', key: 'BackTab' };
  } else if ((event.key === 'PageUp' || event.key === 'PageDown') && event.shiftKey) {
    message = { kind: 'key', key: `Shift${event.key}` };
  } else if (keys[event.key]) {
    message = { kind: 'key', key: keys[event.key] };
  } else if (Array.from(event.key).length === 1) {
    message = { kind: 'char', text: event.key };
  }
  if (!message) return;
  event.preventDefault();
  send(message);
});

// Text that comes without keys (an on-screen keyboard, dictation) and
// pasted text are typed into the focused field as its characters.
document.addEventListener('beforeinput', (event) => {
  if (!event.target.closest('#screen')) return;
  event.preventDefault();
  if (over) return;
  if (event.inputType === 'deleteContentBackward') send({ kind: 'key', key: 'Backspace' });
  else if (event.inputType === 'deleteContentForward') send({ kind: 'key', key: 'Delete' });
  else if (event.data) sendText(event.data);
});

document.addEventListener('paste', (event) => {
  if (!event.target.closest('#screen')) return;
  event.preventDefault();
  if (!over) sendText(event.clipboardData.getData('text/plain').replace(/[\r\n\t]+/g, ' ').trim());
});

const events = new EventSource(`events?token=${encodeURIComponent(token)}`);
events.addEventListener('hello', (event) => {
  clearTimeout(reconnecting);
  reconnecting = null;
  stream = JSON.parse(event.data).stream;
});
events.addEventListener('view', (event) => {
  if (over) return;
  view = JSON.parse(event.data);
  draw();
});
events.addEventListener('patch', (event) => {
  if (over || !view) return;
  view = patch(view, JSON.parse(event.data));
  draw();
});
events.addEventListener('end', (event) => end(JSON.parse(event.data).reason));
// The browser tries to reconnect a dropped stream; when the program does
// not answer soon, it is gone.
events.addEventListener('error', () => {
  if (events.readyState === EventSource.CLOSED) end('lost');
  else if (!reconnecting) reconnecting = setTimeout(() => end('lost'), kGone);
});
