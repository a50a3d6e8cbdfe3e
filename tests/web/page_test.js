// The web front end in headless Chromium: vok_demo --web serves the form,
// the test works it as a person would, with clicks and keys, and checks
// what the page then shows.
//   node page_test.js VOK_DEMO [SCREENSHOT.png]
'use strict';

const { spawn } = require('node:child_process');
const fs = require('node:fs');
const http = require('node:http');
const os = require('node:os');
const path = require('node:path');
const puppeteer = require('puppeteer-core');

const [demo, screenshot] = process.argv.slice(2);
const chromium = process.env.VOK_CHROMIUM || '/usr/bin/chromium';
const timeout = 30000;

const fail = (message) => { throw new Error(message); };

// Starts the program and waits for the address it prints.
function startDemo() {
  const child = spawn(demo, ['--web', '--today', '2025-06-15'], {
    env: Object.assign({}, process.env, { LANG: 'en_US.UTF-8', LC_ALL: 'en_US.UTF-8' }),
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

const win = (title) => `section[aria-label="${title}"]`;
const calendar = win('Choose a date');

// The program must end with status 0 within ms; it is killed otherwise.
async function expectEnd(run, ms, after) {
  const end = await Promise.race([run.exited, new Promise((resolve) => setTimeout(() => resolve(null), ms))]);
  if (end === null) run.child.kill('SIGKILL');
  if (end === null || end.code !== 0) fail(`vok_demo did not end with status 0 ${after}: ${JSON.stringify(end)}`);
}

// Waits for the message box, presses its OK and gives what it said.
async function answerBox(page) {
  await page.waitForSelector('section[role="alertdialog"]', { timeout });
  const box = await page.$eval('section[role="alertdialog"]', (shown) =>
    ({ title: shown.getAttribute('aria-label'), text: Array.from(shown.querySelectorAll('.message'), (line) => line.textContent).join(' ') }));
  await clickFound(page, 'section[role="alertdialog"] [data-name="OK"]');
  await page.waitForSelector('section[role="alertdialog"]', { hidden: true, timeout });
  return box;
}

// The page draws every view afresh: what is clicked is looked up in the
// page and clicked at once, by where it stands.
async function clickFound(page, selector, text, count = 1) {
  const where = await page.evaluate((within, wanted) => {
    const found = Array.from(document.querySelectorAll(within))
      .find((element) => wanted === null || element.textContent === wanted);
    if (!found) return null;
    const box = found.getBoundingClientRect();
    return { x: box.x + box.width / 2, y: box.y + box.height / 2 };
  }, selector, text === undefined ? null : text);
  if (!where) fail(`nothing to click at ${selector} ${text || ''}`);
  await page.mouse.click(where.x, where.y, { count });
}

async function openCalendar(page) {
  await clickFound(page, '[data-name="_calButton"]');
  await page.waitForSelector(calendar, { timeout });
}

async function fieldBecomes(page, expected) {
  await page.waitForSelector(calendar, { hidden: true, timeout });
  await page.waitForFunction((wanted) =>
    document.querySelector('[data-name="_calEditor"] .text').textContent === wanted, { timeout }, expected);
}

// The terminal's keys: Tab to the calendar button, Enter opens the
// calendar on the field's day, Right and PageDown move the cursor, Enter
// picks and accepts. Then a double click on a day does the same.
async function keysAndDoubleClick(page) {
  await clickFound(page, '[data-name="_calEditor"]');
  await page.keyboard.press('Tab');
  await page.waitForSelector('[data-name="_calButton"].focus', { timeout });
  await page.keyboard.press('Enter');
  await page.waitForSelector(`${calendar} button.focus`, { timeout });
  await page.keyboard.press('ArrowRight');
  await page.keyboard.press('PageDown');
  await page.waitForFunction(() => {
    const focused = document.querySelector('section[aria-label="Choose a date"] button.focus');
    return focused && focused.textContent === '5' &&
      document.querySelector('[data-name="MonthCombo"] .text').textContent.startsWith('August');
  }, { timeout });
  await page.keyboard.press('Enter');
  await fieldBecomes(page, '08/05/2025');

  await openCalendar(page);
  await clickFound(page, `${calendar} button.part`, '12', 2);
  await fieldBecomes(page, '08/12/2025');
}

async function pickInCalendar(page) {
  await openCalendar(page);
  // The month from the combo's list: July.
  await clickFound(page, `${calendar} [data-name="MonthCombo"]`);
  await page.waitForSelector('.droplist', { timeout });
  await clickFound(page, '.droplist li', 'July');
  await page.waitForFunction(() => {
    const combo = document.querySelector('[data-name="MonthCombo"] .text');
    return combo && combo.textContent.startsWith('July') && !document.querySelector('.droplist');
  }, { timeout });
  await clickFound(page, `${calendar} button.part`, '4');
  await page.waitForFunction(() => Array.from(document.querySelectorAll('button.greyed'))
    .some((button) => button.textContent === '4'), { timeout });
  if (screenshot) await (await page.$('main')).screenshot({ path: screenshot });
  await clickFound(page, `${calendar} [data-name="OK"]`);
  await fieldBecomes(page, '07/04/2025');
}

async function refuseYear(page) {
  await openCalendar(page);
  await clickFound(page, `${calendar} [data-name="YearSpinner"]`);
  await page.keyboard.type('2099');
  await page.keyboard.press('Tab');
  const box = await answerBox(page);
  if (!box.text.includes('"2099" is not a valid year.')) fail(`the year box says "${box.text}"`);
  // The calendar stays open; Esc closes it as Cancel does.
  await page.waitForSelector(calendar, { timeout });
  await page.keyboard.press('Escape');
  await fieldBecomes(page, '08/12/2025');
}

async function refuseTypedDate(page, typed) {
  await clickFound(page, '[data-name="_calEditor"]');
  await page.keyboard.down('Control');
  await page.keyboard.press('u');
  await page.keyboard.up('Control');
  await page.keyboard.type(typed);
  await clickFound(page, '[data-name="Search"]');
  const box = await answerBox(page);
  if (box.title !== 'Invalid date') fail(`"${typed}" gave the box "${box.title}"`);
  await page.waitForFunction(() => document.querySelector('[data-name="Result"]').textContent
    .includes('"Created after" is not a date'), { timeout });
}

async function main() {
  const demoRun = startDemo();
  const address = await demoRun.address;
  await checkRefusals(address);
  const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'vok-web-'));
  const browser = await puppeteer.launch({
    executablePath: chromium,
    headless: true,
    args: ['--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
      '--disable-background-networking', '--disable-component-update', '--disable-sync',
      `--user-data-dir=${profile}`],
  });
  try {
    const page = await browser.newPage();
    await page.setViewport({ width: 960, height: 760 });
    await page.goto(address);
    await page.waitForSelector(win('Find documents'), { timeout });
    await pickInCalendar(page);
    await keysAndDoubleClick(page);
    await refuseYear(page);
    await refuseTypedDate(page, '13/45/2021');
    await refuseTypedDate(page, 'hello');

    // A second tab takes the form over; the first one says so.
    const second = await browser.newPage();
    await second.goto(address);
    await second.waitForSelector(win('Find documents'), { timeout });
    await page.waitForSelector('#banner:not([hidden])', { timeout });
    const said = await page.$eval('#banner', (banner) => banner.textContent);
    if (!said.includes('another tab')) fail(`the first tab says "${said}"`);
    await page.close();
    await second.close();
  } finally {
    await browser.close();
    fs.rmSync(profile, { recursive: true, force: true });
  }
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
