// The web front end in headless Chromium: vok_demo --web serves the form,
// the test works it as a person would, with clicks and keys, and checks
// what the page then shows and what a screen reader is told: the
// browser's focus, the roles and names of the elements, and axe-core's
// rules, in light and dark, on a desktop and a phone. What a person does
// in the page is recorded (--record) and replayed without a browser.
//   node page_test.js VOK_DEMO [SCREENSHOT_FOLDER]
'use strict';

const { spawn, spawnSync } = require('node:child_process');
const fs = require('node:fs');
const http = require('node:http');
const os = require('node:os');
const path = require('node:path');
const puppeteer = require('puppeteer-core');

const [demo, screenshots] = process.argv.slice(2);
const chromium = process.env.VOK_CHROMIUM || '/usr/bin/chromium';
const axeSource = fs.readFileSync(require.resolve('axe-core/axe.min.js'), 'utf8');
const timeout = 30000;

const fail = (message) => { throw new Error(message); };
const expectEqual = (actual, expected, what) => {
  if (JSON.stringify(actual) !== JSON.stringify(expected)) {
    fail(`${what}: ${JSON.stringify(actual)}, not ${JSON.stringify(expected)}`);
  }
};

// Starts the program and waits for the address it prints.
function startDemo(locale = 'en_US.UTF-8', more = []) {
  const child = spawn(demo, ['--web', '--today', '2025-06-15', ...more], {
    env: Object.assign({}, process.env, { LANG: locale, LC_ALL: locale }),
    stdio: ['ignore', 'pipe', 'inherit'],
  });
  const exited = new Promise((resolve) => child.on('exit', (code, signal) => resolve({ code, signal })));
  const address = new Promise((resolve, reject) => {
    let output = '';
    child.stdout.on('data', (chunk) => {
      output += chunk;
      const found = output.match(/http:\/\/127\.0\.0\.1:\d+\/\?token=[0-9a-f]+/);
      if (found) resolve(found[0]);
    });
    child.on('exit', () => reject(new Error(`vok_demo ended before serving: ${output}`)));
  });
  return { child, exited, address };
}

function status(url, method = 'GET', body = '{"stream": 1, "kind": "quit"}') {
  return new Promise((resolve, reject) => {
    http.request(url, { method, headers: { Origin: new URL(url).origin } }, (response) => { response.resume(); resolve(response.statusCode); })
      .on('error', reject).end(method === 'POST' ? body : undefined);
  });
}

// Requests without the token are refused, a file outside the page is not
// found, and bad messages get an error reply; the session goes on (the
// page works next).
async function checkRefusals(address) {
  const [bare, token] = address.split('?token=');
  const event = `${bare}event?token=${token}`;
  const codes = [];
  for (const [url, method, body] of [[bare], [`${bare}page.js`], [`${bare}?token=0000`], [`${bare}events`],
    [`${bare}event`, 'POST'], [`${bare}etc/passwd?token=${token}`],
    [event, 'POST', '{"stream": 1, "kind": "click", "x": -4'], [event, 'POST', 'x'.repeat(5000)]]) {
    codes.push(await status(url, method, body));
  }
  if (codes.join() !== '403,403,403,403,403,404,400,413') fail(`the requests gave ${codes}`);
}

// The program must end with status 0 within ms; it is killed otherwise.
async function expectEnd(run, ms, after) {
  const end = await Promise.race([run.exited, new Promise((resolve) => setTimeout(() => resolve(null), ms))]);
  if (end === null) run.child.kill('SIGKILL');
  if (end === null || end.code !== 0) fail(`vok_demo did not end with status 0 ${after}: ${JSON.stringify(end)}`);
}

const calendar = 'section[role="dialog"]';
const box = 'section[role="alertdialog"]';
const field = '[data-name="_calEditor"]';

// axe-core finds nothing in the page as it stands.
async function expectAccessible(page, state) {
  if (!(await page.evaluate(() => Boolean(window.axe)))) await page.addScriptTag({ content: axeSource });
  const violations = await page.evaluate(async () => (await window.axe.run(document)).violations
    .map((violation) => `${violation.id}: ${violation.nodes.map((node) => node.target.join(' ')).join(', ')}`));
  if (violations.length) fail(`axe-core in ${state}:\n  ${violations.join('\n  ')}`);
}

// What the element with the browser's focus is, as a screen reader has it.
async function focused(page) {
  const handle = await page.evaluateHandle(() => document.activeElement);
  const node = await page.accessibility.snapshot({ root: handle, interestingOnly: false });
  const extra = await page.evaluate((element) => ({
    name: element.dataset.name || element.tagName,
    selected: element.getAttribute('aria-selected'),
    current: element.getAttribute('aria-current'),
  }), handle);
  return Object.assign(extra, { role: node.role, label: node.name });
}

async function waitForFocus(page, label) {
  await page.waitForFunction((wanted) => document.activeElement &&
    document.activeElement.getAttribute('aria-label') === wanted, { timeout }, label)
    .catch(async () => fail(`the focus is on ${JSON.stringify(await focused(page))}, not "${label}"`));
}

// The page keeps its elements from view to view; what is clicked is looked
// up and clicked where it stands.
async function clickFound(page, selector, text, count = 1) {
  const where = await page.evaluate((within, wanted) => {
    const found = Array.from(document.querySelectorAll(within))
      .find((element) => wanted === null || element.textContent === wanted);
    if (!found) return null;
    const rect = found.getBoundingClientRect();
    return { x: rect.x + rect.width / 2, y: rect.y + rect.height / 2 };
  }, selector, text === undefined ? null : text);
  if (!where) fail(`nothing to click at ${selector} ${text || ''}`);
  await page.mouse.click(where.x, where.y, { count });
}

async function fieldBecomes(page, expected) {
  await page.waitForSelector(calendar, { hidden: true, timeout });
  await page.waitForFunction((selector, wanted) => document.querySelector(selector).value === wanted,
    { timeout }, field, expected)
    .catch(async () => fail(`the field shows "${await page.$eval(field, (input) => input.value)}", not "${expected}"`));
}

async function pressShifted(page, key) {
  await page.keyboard.down('Shift');
  await page.keyboard.press(key);
  await page.keyboard.up('Shift');
}

// The form: named fields and buttons, the browser's focus on the first
// field; pasted text lands in it.
async function theForm(page) {
  await page.waitForSelector(`${field}:focus`, { timeout });
  const first = await focused(page);
  expectEqual([first.role, first.label], ['textbox', 'Created after'], 'the first field');
  const button = await page.$eval('[data-name="_calButton"]', (element) => {
    const rect = element.getBoundingClientRect();
    return { label: element.getAttribute('aria-label'), w: rect.width, h: rect.height };
  });
  if (button.label !== 'Choose a date' || button.w < 24 || button.h < 24) {
    fail(`the calendar button is ${JSON.stringify(button)}`);
  }
  await page.$eval(field, (input) => {
    const data = new DataTransfer();
    data.setData('text/plain', '07/04/2025\n');
    input.dispatchEvent(new ClipboardEvent('paste', { clipboardData: data, bubbles: true, cancelable: true }));
  });
  await page.waitForFunction((selector) => document.querySelector(selector).value === '07/04/2025',
    { timeout }, field);
  await expectAccessible(page, 'the form');
}

// The keyboard user: Tab to the calendar button, Enter opens the calendar
// with the focus on the field's day; arrows, PageDown and Shift-PageDown
// move the chosen day itself; Enter writes it.
async function keyboardPick(page) {
  await page.keyboard.press('Tab');
  await waitForFocus(page, 'Choose a date');
  await page.keyboard.press('Enter');
  await waitForFocus(page, 'Friday, July 4, 2025');
  const day = await focused(page);
  expectEqual([day.role, day.selected], ['gridcell', 'true'], 'the chosen day');
  const named = await page.evaluate((selector) => {
    const dialog = document.querySelector(selector);
    const title = document.getElementById(dialog.getAttribute('aria-labelledby')).textContent;
    const grid = dialog.querySelector('[role="grid"]');
    return {
      modal: dialog.getAttribute('aria-modal'),
      title,
      grid: document.getElementById(grid.getAttribute('aria-labelledby')).textContent,
      live: document.getElementById(grid.getAttribute('aria-labelledby')).getAttribute('aria-live'),
      headings: Array.from(grid.querySelectorAll('th'), (th) => th.querySelector('.sr-only').textContent),
      formInert: document.querySelector('[data-name="FindDocuments"]').closest('[inert]') !== null,
    };
  }, calendar);
  expectEqual(named, {
    modal: 'true', title: 'Choose a date', grid: 'July 2025', live: 'polite',
    headings: ['Sunday', 'Monday', 'Tuesday', 'Wednesday', 'Thursday', 'Friday', 'Saturday'], formInert: true,
  }, 'the calendar');
  await expectAccessible(page, 'the open calendar');

  await page.keyboard.press('ArrowRight');
  await waitForFocus(page, 'Saturday, July 5, 2025');
  await page.keyboard.press('ArrowDown');
  await waitForFocus(page, 'Saturday, July 12, 2025');
  await page.keyboard.press('PageDown');
  await waitForFocus(page, 'Tuesday, August 12, 2025');
  await pressShifted(page, 'PageDown');
  await waitForFocus(page, 'Wednesday, August 12, 2026');
  await pressShifted(page, 'PageUp');
  await waitForFocus(page, 'Tuesday, August 12, 2025');
  await page.keyboard.press('Home');
  await waitForFocus(page, 'Friday, August 1, 2025');
  await page.keyboard.press('ArrowLeft');
  await waitForFocus(page, 'Thursday, July 31, 2025');
  const chosen = await page.$$eval(`${calendar} td[aria-selected="true"]`, (days) => days.map((td) => td.textContent));
  expectEqual(chosen, ['31'], 'the selected days');
  // OK writes the day the keys marked.
  await clickFound(page, `${calendar} [data-name="OK"]`);
  await fieldBecomes(page, '07/31/2025');
  await waitForFocus(page, 'Choose a date');
}

// The month from the combo's list, a day by a click, today marked; the
// phone's width; a double click picks and accepts.
async function pickWithTheMouse(page) {
  await page.keyboard.press('Enter');
  await page.waitForSelector(calendar, { timeout });
  await clickFound(page, `${calendar} [data-name="MonthCombo"]`);
  await page.waitForSelector('[role="listbox"]:not([hidden])', { timeout });
  const combo = await page.$eval('[role="combobox"][data-name="MonthCombo"]', (element) =>
    [element.getAttribute('aria-expanded'), document.getElementById(element.getAttribute('aria-activedescendant')).textContent]);
  expectEqual(combo, ['true', 'July'], 'the open month list');
  await expectAccessible(page, 'the open month list');
  await clickFound(page, '[role="option"]', 'June');
  await page.waitForFunction(() => !document.querySelector('[role="listbox"]:not([hidden])') &&
    document.querySelector('[data-name="MonthCombo"]').value === 'June', { timeout });
  const today = await page.$$eval('td[aria-current="date"]', (days) => days.map((td) => td.getAttribute('aria-label')));
  expectEqual(today, ['Sunday, June 15, 2025'], 'the days marked today');
  await clickFound(page, `${calendar} td`, '4');
  await page.waitForSelector('td[aria-selected="true"][aria-label="Wednesday, June 4, 2025"]', { timeout });
  if (screenshots) await page.screenshot({ path: path.join(screenshots, 'web-calendar-light.png') });
  await phone(page);
  await clickFound(page, `${calendar} td`, '12', 2);
  await fieldBecomes(page, '06/12/2025');
}

// At 390 px nothing scrolls sideways and every target is 24 x 24 px or
// more; in the dark scheme the colours change and keep their contrast;
// under forced colours the chosen day still stands out.
async function phone(page) {
  await page.setViewport({ width: 390, height: 844 });
  const layout = await page.evaluate(() => ({
    wide: document.documentElement.scrollWidth,
    small: Array.from(document.querySelectorAll('button, input, td[aria-label], [data-at]'))
      .map((element) => element.getBoundingClientRect())
      .filter((rect) => rect.width > 0 && (rect.width < 24 || rect.height < 24)).length,
    calendar: document.querySelector('section[role="dialog"]').getBoundingClientRect().width,
  }));
  if (layout.wide > 390 || layout.small > 0 || layout.calendar < 340) fail(`at 390 px: ${JSON.stringify(layout)}`);
  await page.emulateMediaFeatures([{ name: 'prefers-color-scheme', value: 'dark' }]);
  const background = await page.$eval('section[role="dialog"]', (element) => getComputedStyle(element).backgroundColor);
  if (background === 'rgb(255, 255, 255)') fail('the dark scheme left the calendar white');
  await expectAccessible(page, 'the dark calendar at 390 px');
  if (screenshots) await page.screenshot({ path: path.join(screenshots, 'web-calendar-dark.png') });
  // Forced colours: the chosen day keeps a colour of its own.
  const devtools = await page.createCDPSession();
  await devtools.send('Emulation.setEmulatedMedia', { features: [{ name: 'forced-colors', value: 'active' }] });
  const forced = await page.evaluate(() => [matchMedia('(forced-colors: active)').matches,
    ...['td[aria-selected="true"]', 'td[aria-selected="false"]']
      .map((selector) => getComputedStyle(document.querySelector(selector)).backgroundColor)]);
  if (!forced[0]) fail('forced colours were not emulated');
  forced.shift();
  if (forced[0] === forced[1]) fail(`under forced colours the chosen day looks like the others: ${forced}`);
  await devtools.send('Emulation.setEmulatedMedia', { features: [] });
  await devtools.detach();
  await page.emulateMediaFeatures([{ name: 'prefers-color-scheme', value: 'light' }]);
  await page.setViewport({ width: 960, height: 760 });
}

// A refused year: the box is an alertdialog described by its text, the
// calendar behind it does not move, Esc then cancels the calendar.
async function refuseYear(page) {
  await page.keyboard.press('Enter');
  await page.waitForSelector(calendar, { timeout });
  const before = await page.$eval(calendar, (element) => element.getBoundingClientRect().toJSON());
  await clickFound(page, `${calendar} [data-name="YearSpinner"]`);
  await waitForFocus(page, 'Year');
  const spinner = await focused(page);
  expectEqual([spinner.role, spinner.label], ['spinbutton', 'Year'], 'the year spinner');
  await page.keyboard.type('2099');
  await page.keyboard.press('Tab');
  await page.waitForSelector(box, { timeout });
  const said = await page.$eval(box, (element) => document.getElementById(element.getAttribute('aria-describedby')).textContent);
  if (!said.includes('"2099" is not a valid year.')) fail(`the year box says "${said}"`);
  const after = await page.$eval(calendar, (element) => element.getBoundingClientRect().toJSON());
  expectEqual(after, before, 'the calendar behind the box');
  await expectAccessible(page, 'the message box');
  await page.keyboard.press('Enter');
  await page.waitForSelector(box, { hidden: true, timeout });
  await page.keyboard.press('Escape');
  await fieldBecomes(page, '06/12/2025');
}

async function withBrowser(work) {
  const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'vok-web-'));
  const browser = await puppeteer.launch({
    executablePath: chromium,
    headless: true,
    args: ['--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
      '--disable-background-networking', '--disable-component-update', '--disable-sync',
      `--user-data-dir=${profile}`],
  });
  try {
    await work(browser);
  } finally {
    await browser.close();
    fs.rmSync(profile, { recursive: true, force: true });
  }
}

async function open(browser, address) {
  const page = await browser.newPage();
  // The page's policy allows its own scripts only; axe-core is put in.
  await page.setBypassCSP(true);
  await page.setViewport({ width: 960, height: 760 });
  await page.goto(address);
  await page.waitForSelector('[data-name="FindDocuments"]', { timeout });
  return page;
}

// German: the page's language, its own words and the days' names.
async function german(browser) {
  const run = startDemo('de_DE.UTF-8');
  const page = await open(browser, await run.address);
  await clickFound(page, '[data-name="_calButton"]');
  await page.waitForSelector(calendar, { timeout });
  const words = await page.evaluate(() => ({
    lang: document.documentElement.lang,
    close: document.querySelector('section[role="dialog"] [data-name="Close"]').getAttribute('aria-label'),
    today: document.querySelector('td[aria-current="date"]').getAttribute('aria-label'),
  }));
  expectEqual(words, { lang: 'de', close: 'Schließen', today: 'Sonntag, 15. Juni 2025' }, 'the German page');
  // The program killed: the page says so within seconds and takes no input.
  run.child.kill('SIGKILL');
  await page.waitForSelector('#banner:not([hidden])', { timeout: 5000 })
    .catch(() => fail('the page did not notice the program was killed'));
  const gone = await page.evaluate(() => ({
    said: document.getElementById('banner').textContent,
    inert: document.getElementById('screen').inert,
  }));
  expectEqual(gone, { said: 'Die Verbindung zum Programm ist abgebrochen. Dieser Tab arbeitet nicht mehr.', inert: true },
    'the page after SIGKILL');
  await page.close();
}

// Ctrl-Q in the page ends the program; the page says so and takes no
// more input.
async function quitFromThePage(browser) {
  const run = startDemo();
  const page = await open(browser, await run.address);
  await page.keyboard.down('Control');
  await page.keyboard.press('q');
  await page.keyboard.up('Control');
  await page.waitForSelector('#banner:not([hidden])', { timeout });
  const ended = await page.evaluate(() => [document.getElementById('banner').textContent,
    document.getElementById('screen').inert]);
  expectEqual(ended, ['The program has ended. You can close this tab.', true], 'the page after Ctrl-Q');
  await expectEnd(run, 5000, 'on Ctrl-Q');
  await page.close();
}

// Recorded in the page, replayed from the record: the replay's last
// picture shows the fields and the result line as the page showed them.
async function recordAndReplay(browser) {
  const folder = fs.mkdtempSync(path.join(os.tmpdir(), 'vok-record-'));
  const record = path.join(folder, 'record.script');
  try {
    const run = startDemo('en_US.UTF-8', ['--record', record]);
    const page = await open(browser, await run.address);
    await clickFound(page, '[data-name="_calButton"]');
    await page.waitForSelector(calendar, { timeout });
    await clickFound(page, `${calendar} td`, '20');
    await waitForFocus(page, 'Friday, June 20, 2025');
    await page.keyboard.press('PageDown');
    await waitForFocus(page, 'Sunday, July 20, 2025');
    await clickFound(page, `${calendar} [data-name="OK"]`);
    await fieldBecomes(page, '07/20/2025');
    await waitForFocus(page, 'Choose a date');
    await page.keyboard.press('Tab');
    await page.waitForFunction(() => document.activeElement.dataset.name === 'RecentDates', { timeout });
    await page.keyboard.type(' next "week"');
    await clickFound(page, '[data-name="Search"]');
    await page.waitForSelector(box, { timeout });
    await page.keyboard.press('Enter');
    await page.waitForSelector(box, { hidden: true, timeout });
    const shown = await page.evaluate(() => [
      document.querySelector('[data-name="_calEditor"]').value,
      document.querySelector('[data-name="RecentDates"]').value,
      document.querySelector('[data-name="Result"]').textContent]);
    await page.keyboard.down('Control');
    await page.keyboard.press('q');
    await page.keyboard.up('Control');
    await expectEnd(run, 5000, 'on Ctrl-Q while recording');
    const lines = fs.readFileSync(record, 'utf8');
    if (!lines.includes('\ntype RecentDates " next \\"week\\""\n')) fail(`the record holds:\n${lines}`);
    const replay = spawnSync(demo, ['--today', '2025-06-15', '--script', record],
      { env: Object.assign({}, process.env, { LANG: 'en_US.UTF-8', LC_ALL: 'en_US.UTF-8' }), encoding: 'utf8' });
    if (replay.status !== 0) fail(`the replay ended with ${replay.status}: ${replay.stderr}\nthe record:\n${lines}`);
    const last = replay.stdout.split(/^== .*$/m).pop();
    const missing = shown.filter((text) => !last.includes(text));
    if (missing.length) fail(`the replay's last picture lacks ${JSON.stringify(missing)}:\n${last}\nthe record:\n${lines}`);
  } finally {
    fs.rmSync(folder, { recursive: true, force: true });
  }
}

async function main() {
  const demoRun = startDemo();
  const address = await demoRun.address;
  await checkRefusals(address);
  await withBrowser(async (browser) => {
    const page = await open(browser, address);
    await theForm(page);
    await keyboardPick(page);
    await pickWithTheMouse(page);
    await refuseYear(page);

    // A second tab takes the form over; the first one says so and is inert.
    const second = await open(browser, address);
    await page.waitForSelector('#banner:not([hidden])', { timeout });
    const taken = await page.evaluate(() => [document.getElementById('banner').textContent,
      document.getElementById('screen').inert]);
    if (!taken[0].includes('another tab') || !taken[1]) fail(`the first tab says ${JSON.stringify(taken)}`);
    await page.close();
    await second.close();
    await german(browser);
    await quitFromThePage(browser);
    await recordAndReplay(browser);
  });
  // Closing the page ends the program by itself.
  await expectEnd(demoRun, 15000, 'after its page was closed');

  // Ctrl-C ends a run cleanly, with or without a page.
  const interrupted = startDemo();
  await interrupted.address;
  interrupted.child.kill('SIGINT');
  await expectEnd(interrupted, 5000, 'on Ctrl-C');
  console.log('web page test passed');
}

main().catch((error) => {
  console.error(`web page test failed: ${error.message}`);
  process.exit(1);
});
