// The page of vok_demo --web: draws the windows the program describes
// (one "view" event of the event stream per change) and sends the
// person's keys and clicks back, one message at a time, in order.
'use strict';

const token = new URLSearchParams(location.search).get('token') || '';
const screen = document.getElementById('screen');
const statusLine = document.getElementById('status');
const banner = document.getElementById('banner');
let stream = -1;
let over = false;
let sending = Promise.resolve();

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
    if (!response.ok) {
      const reply = await response.json().catch(() => ({}));
      if (response.status === 409) end('taken');
      else if (response.status === 410) end('ended');
      else console.warn('vok_demo refused a message:', reply.error);
    }
  }).catch(() => {});
}

// A click acts when the button goes down, as in the terminal, so that a
// view drawn while the button is held does not lose it.
function clickAt(at, event) {
  event.vokCell = at;
  if (event.button !== 0 || event.detail > 2) return;
  send({ kind: event.detail === 2 ? 'double' : 'click', x: at.x, y: at.y });
}

// The cell under the mouse, for clicks beside the widgets (which close an
// open list, as in the terminal).
function cellUnder(event) {
  const style = getComputedStyle(document.documentElement);
  const box = screen.getBoundingClientRect();
  return {
    x: Math.floor((event.clientX - box.left) / parseFloat(style.getPropertyValue('--cw'))),
    y: Math.floor((event.clientY - box.top) / parseFloat(style.getPropertyValue('--ch'))),
  };
}

function end(reason) {
  if (over) return;
  over = true;
  banner.hidden = false;
  banner.textContent = reason === 'taken'
    ? 'This form is now open in another tab; this tab no longer works with it.'
    : reason === 'ended'
      ? 'vok_demo has ended. You can close this tab.'
      : 'The connection to vok_demo was lost.';
  document.body.classList.add('over');
}

function place(element, rect, origin) {
  element.style.left = `calc(var(--cw) * ${rect.x - origin.x})`;
  element.style.top = `calc(var(--ch) * ${rect.y - origin.y})`;
  element.style.width = `calc(var(--cw) * ${rect.w})`;
  return element;
}

function make(tag, className, text) {
  const element = document.createElement(tag);
  if (className) element.className = className;
  if (text !== undefined) element.textContent = text;
  return element;
}

function button(text, at, className) {
  const element = make('button', `part ${className || ''}`, text);
  element.type = 'button';
  element.tabIndex = -1;
  element.addEventListener('mousedown', (event) => clickAt(at, event));
  return element;
}

// A field's text; the one being typed into shows its cursor or selection.
function fieldText(widget) {
  const text = make('span', 'text');
  const characters = Array.from(widget.text || '');
  if (widget.cursor === undefined) {
    text.textContent = widget.text;
  } else if (widget.selected) {
    text.append(make('span', 'selected', widget.text));
  } else {
    text.append(characters.slice(0, widget.cursor).join(''), make('span', 'caret'),
      characters.slice(widget.cursor).join(''));
  }
  return text;
}

function field(widget, arrows) {
  const element = make('div', 'part field');
  element.setAttribute('role', widget.kind === 'editor' ? 'textbox' : widget.kind);
  element.append(fieldText(widget));
  element.addEventListener('mousedown', (event) => {
    if (!event.target.closest('button')) clickAt(widget.at, event);
  });
  const span = arrows.length ? (widget.rect.w - widget.area.w) / arrows.length : 0;
  arrows.forEach(([mark, at], index) => {
    const arrow = button(mark, at, 'arrow');
    arrow.style.width = `calc(var(--cw) * ${span})`;
    arrow.style.right = `calc(var(--cw) * ${span * (arrows.length - 1 - index)})`;
    element.append(arrow);
  });
  return element;
}

function widgetElement(widget) {
  switch (widget.kind) {
    case 'button': return button(widget.icon ? '▦' : widget.text, widget.at,
      widget.icon ? 'icon' : '');
    case 'editor': return field(widget, []);
    case 'combo': return field(widget, [['▾', widget.at]]);
    case 'spinner': return field(widget, [['▴', widget.up], ['▾', widget.down]]);
    case 'separator': return make('hr', 'part');
    default: return widget.text ? make('span', 'part label', widget.text) : null;
  }
}

function windowElement(win) {
  const box = win.box;
  const element = place(make('section', win.message.length ? 'window box' : 'window'), box, { x: 0, y: 0 });
  element.style.height = `calc(var(--ch) * ${box.h})`;
  element.dataset.name = win.name;
  element.setAttribute('role', win.message.length ? 'alertdialog' : 'dialog');
  element.setAttribute('aria-label', win.title);
  element.append(make('div', 'titlebar', win.title));
  win.message.forEach((line, index) => {
    const text = make('p', 'message', line);
    text.style.left = 'calc(var(--cw) * 2)';
    text.style.top = `calc(var(--ch) * ${index + 1})`;
    element.append(text);
  });
  for (const widget of win.widgets) {
    const part = widgetElement(widget);
    if (!part) continue;
    place(part, widget.rect, box);
    part.dataset.name = widget.name;
    if (widget.greyed) { part.classList.add('greyed'); part.setAttribute('aria-disabled', 'true'); }
    if (widget.focus) part.classList.add('focus');
    element.append(part);
  }
  for (const [key, className] of [['ok', 'ok'], ['cancel', 'cancel']]) {
    const own = win[key];
    if (!own) continue;
    const part = place(button(own.label, own.at, className), own.rect, box);
    part.dataset.name = key === 'ok' ? 'OK' : 'Cancel';
    if (own.focus) part.classList.add('focus');
    element.append(part);
  }
  if (win.close) {
    const close = button('×', win.close, 'close');
    close.setAttribute('aria-label', 'Close');
    close.dataset.name = 'Close';
    place(close, { x: win.close.x - 1, y: win.close.y, w: 3 }, box);
    element.append(close);
  }
  return element;
}

function listElement(list) {
  const element = place(make('ul', 'droplist'), list.box, { x: 0, y: 0 });
  element.setAttribute('role', 'listbox');
  list.lines.forEach((line) => {
    const item = make('li', '', line.text);
    item.setAttribute('role', 'option');
    item.setAttribute('aria-selected', String(line.index === list.highlighted));
    item.addEventListener('mousedown', (event) => clickAt(line.at, event));
    element.append(item);
  });
  return element;
}

function draw(view) {
  screen.style.width = `calc(var(--cw) * ${view.size.w})`;
  screen.style.height = `calc(var(--ch) * ${view.size.h - 1})`;
  const parts = view.notice ? [make('p', 'notice', view.notice)] : view.windows.map(windowElement);
  if (view.list) parts.push(listElement(view.list));
  screen.replaceChildren(...parts);
  statusLine.textContent = view.status;
}

// Buttons never take the browser's focus: the program keeps the focus.
document.addEventListener('mousedown', (event) => {
  if (!event.target.closest('#screen')) return;
  event.preventDefault();
  if (!event.vokCell) clickAt(cellUnder(event), event);
});

document.addEventListener('keydown', (event) => {
  if (over || event.altKey || event.metaKey) return;
  let message = null;
  if (event.ctrlKey) {
    const letter = event.key.toLowerCase();
    if (letter === 'u') message = { kind: 'key', key: 'EraseToStart' };
    else if (letter === 'q') message = { kind: 'quit' };
  } else if (event.key === 'Tab' && event.shiftKey) {
    message = { kind: 'key', key: 'BackTab' };
  } else if (keys[event.key]) {
    message = { kind: 'key', key: keys[event.key] };
  } else if (Array.from(event.key).length === 1) {
    message = { kind: 'char', text: event.key };
  }
  if (!message) return;
  event.preventDefault();
  send(message);
});

const events = new EventSource(`events?token=${encodeURIComponent(token)}`);
events.addEventListener('hello', (event) => { stream = JSON.parse(event.data).stream; });
events.addEventListener('view', (event) => { if (!over) draw(JSON.parse(event.data)); });
events.addEventListener('end', (event) => {
  end(JSON.parse(event.data).reason);
  events.close();
});
events.addEventListener('error', () => {
  if (events.readyState === EventSource.CLOSED) end('lost');
});
