// The pupil's real mouse clicks at the designed places, and what the page shows in return.
import assert from 'node:assert/strict';
import { after, before, test } from 'node:test';
import { pathToFileURL } from 'node:url';
import {
  click, clickItem, enterDigits, entry, focusId, notInWebKit, openPage, pagePath, startBrowser,
  testPagePath, transcript,
} from './browser.mjs';

let browser;
let stop;
before(async () => ({ browser, stop } = await startBrowser()));
after(async () => stop());

const checked = (page) =>
  page.$$eval('[role="radio"]', (all) => Object.fromEntries(all.map((e) => [e.id, e.getAttribute('aria-checked')])));
const digitItems = (page) => page.$$eval('#List1 [role="option"]', (all) => all.map((e) => e.textContent));

test('the road of one conversion: base 8, the digits 1 0 1 1, "Изчисли"', async () => {
  const { page } = await openPage(browser);
  await click(page, '#Option1_1');
  assert.equal((await checked(page)).Option1_1, 'true');
  assert.deepEqual(await digitItems(page), ['0', '1']);
  await enterDigits(page, '1011');
  assert.equal(await entry(page), '1011');
  await click(page, '#Command1_0');
  assert.equal(await transcript(page), '1 011\n'
    + 'Числото е разделено на групи по: 3\n'
    + '\n'
    + '1 = 1\n'
    + '011 = 3\n'
    + 'Въведеното число в 8-ична бройна система:\n'
    + '13');
  assert.equal(await page.$eval('#List1', (e) => e.getAttribute('aria-disabled')), 'true');
});

// The window is drawn before its core runs: what the pupil does meanwhile is done once the core
// runs, in order, each once. Here the core is held back until the pupil is done.
test('clicks and keys before the core runs are neither lost nor doubled', { skip: notInWebKit }, async () => {
  const page = await browser.newPage();
  await page.evaluateOnNewDocument(() => {
    let made;
    let release;
    const released = new Promise((resolve) => { release = resolve; });
    window.startCore = () => release();
    Object.defineProperty(window, 'createMorvatek', {
      set(core) { made = core; },
      get() { return (options) => released.then(() => made(options)); },
    });
  });
  await page.goto(pathToFileURL(pagePath).href);
  await click(page, '#Option1_1');
  await page.focus('#List1');
  for (const key of ['1', '0', '1', '1']) {
    await page.keyboard.press(key);
  }
  assert.equal(await entry(page), '');
  await page.evaluate(() => window.startCore());
  await page.waitForSelector('html[data-ready]');
  assert.equal(await entry(page), '1011');
  await click(page, '#Command1_0');
  assert.ok((await transcript(page)).endsWith('8-ична бройна система:\n13'), await transcript(page));
  await page.close();
});

test('thirty-one clicks on "1" leave thirty digits', async () => {
  const { page } = await openPage(browser);
  await click(page, '#Option1_2');
  for (let i = 0; i < 31; ++i) {
    await clickItem(page, 1);
  }
  assert.equal(await entry(page), '1'.repeat(30));
});

test('the selected item clicked again, and double-clicked, enters its digit each time', async () => {
  const { page } = await openPage(browser);
  await click(page, '#Option1_0');
  await clickItem(page, 1);
  assert.equal(await focusId(page), 'List1', 'the next key goes to the digits');
  await clickItem(page, 1);
  assert.equal(await entry(page), '11');
  const item = await (await page.$('#List1-item0')).boundingBox();
  await page.mouse.click(item.x + 5, item.y + 5, { count: 2 });
  assert.equal(await entry(page), '1100');
});

// The handlers assign the transcript once per group and line; the page shows the end result in
// one go, from its top.
test('a calculation writes the transcript once and shows its top', async () => {
  const { page } = await openPage(browser);
  await click(page, '#Option1_0');
  await enterDigits(page, '1'.repeat(30));
  await page.$eval('#Text1_0', (box) => {
    const { get, set } = Object.getOwnPropertyDescriptor(HTMLTextAreaElement.prototype, 'value');
    window.transcriptWrites = 0;
    Object.defineProperty(box, 'value', {
      get() { return get.call(this); },
      set(text) { window.transcriptWrites += 1; set.call(this, text); },
    });
  });
  await click(page, '#Command1_0');
  assert.equal(await page.evaluate(() => window.transcriptWrites), 1);
  assert.ok((await transcript(page)).endsWith(`бройна система:\n${'3'.repeat(15)}`));
  assert.equal(await page.$eval('#Text1_0', (e) => e.scrollTop), 0);
});

// A screen reader hears what each action did, in the core's words: the digit (again too), the
// base, the result.
test('the live region tells the base, each digit and the result', async () => {
  const { page } = await openPage(browser);
  const heard = () => page.$eval('#announcer', (e) => e.textContent.trim());
  assert.equal(await heard(), '', 'the page as it opens is announced');
  await click(page, '#Option1_1');
  assert.equal(await heard(), 'Избрана бройна система: 8-ична.');
  await enterDigits(page, '101');
  const first = await page.$eval('#announcer', (e) => e.textContent);
  await clickItem(page, 1);
  assert.notEqual(await page.$eval('#announcer', (e) => e.textContent), first, 'the same digit again is not told');
  assert.equal(await heard(), 'Цифра 1, въведени 4.');
  await click(page, '#Command1_0');
  assert.equal(await heard(), 'Резултат: 13');
  assert.equal(await page.$eval('#announcer', (e) => e.getAttribute('aria-live')), 'polite');
});

test('a double click selects no static text, and a click does not focus the locked digits', async () => {
  const { page } = await openPage(browser);
  const label = await (await page.$('#Label1_0')).boundingBox();
  await page.mouse.click(label.x + 100, label.y + 10, { count: 2 });
  assert.equal(await page.evaluate(() => getSelection().toString()), '');
  await click(page, '#Option1_0');
  await enterDigits(page, '1');
  await click(page, '#Command1_0');
  await clickItem(page, 1);
  assert.notEqual(await focusId(page), 'List1');
});

test('after "Изчисли" another base refills the digit list, which takes no clicks', async () => {
  const { page } = await openPage(browser);
  await click(page, '#Option1_0');
  await enterDigits(page, '10');
  await click(page, '#Command1_0');
  await click(page, '#Option1_2');
  assert.deepEqual(await digitItems(page), ['0', '1']);
  assert.equal(await page.$eval('#List1', (e) => [e.getAttribute('aria-disabled'), e.tabIndex].join()), 'true,-1');
  await clickItem(page, 1);
  assert.equal(await entry(page), '');
});

test('another base empties the entry and moves the mark', async () => {
  const { page } = await openPage(browser);
  await click(page, '#Option1_0');
  await enterDigits(page, '110');
  await click(page, '#Option1_1');
  assert.equal(await entry(page), '');
  assert.deepEqual(await checked(page), { Option1_1: 'true', Option1_0: 'false', Option1_2: 'false' });
});

test('the whole coloured box of an option button takes the click', async () => {
  for (const offset of [{ x: 118, y: 12 }, { x: 120, y: 1 }, { x: 1, y: 24 }]) {
    const { page } = await openPage(browser);
    await click(page, '#Option1_2', offset);
    assert.equal((await checked(page)).Option1_2, 'true', JSON.stringify(offset));
  }
});

test('"Изчисти" empties the transcript and the entry, unmarks the options, enables the list', async () => {
  const { page } = await openPage(browser);
  await click(page, '#Option1_2');
  await enterDigits(page, '1');
  await click(page, '#Command1_0');
  await click(page, '#Command1_1');
  assert.equal(await transcript(page), '');
  assert.equal(await entry(page), '');
  assert.deepEqual(Object.values(await checked(page)), ['false', 'false', 'false']);
  assert.deepEqual(await digitItems(page), []);
  assert.equal(await page.$eval('#List1', (e) => e.getAttribute('aria-disabled')), 'false');
});

test('the transcript can be selected and copied but not edited', async () => {
  const { page } = await openPage(browser);
  await click(page, '#Option1_0');
  await enterDigits(page, '111');
  await click(page, '#Command1_0');
  await page.focus('#Text1_0');
  await page.keyboard.down('Control');
  await page.keyboard.press('a');
  await page.keyboard.up('Control');
  const selected = await page.$eval('#Text1_0', (e) => e.value.slice(e.selectionStart, e.selectionEnd));
  assert.equal(selected, await transcript(page));
  await page.evaluate(() => document.addEventListener('copy', (event) => {
    window.copied = document.activeElement.value.slice(document.activeElement.selectionStart,
      document.activeElement.selectionEnd);
    event.preventDefault();
  }, { once: true }));
  await page.keyboard.down('Control');
  await page.keyboard.press('c');
  await page.keyboard.up('Control');
  const copied = await page.evaluate(() => window.copied ?? '');
  assert.ok(copied.endsWith('\n13'), copied);
  await page.keyboard.type('x');
  await page.keyboard.press('Delete');
  assert.ok((await transcript(page)).endsWith('\n13'), 'the pupil edited the transcript');
});

test('a run-time error is shown in a box naming it, and the page takes no further events', async () => {
  const { page } = await openPage(browser, { path: testPagePath });
  await click(page, '#Option1_1');
  await enterDigits(page, '101');
  await page.evaluate(() => window.morvatekTestHooks.forgetBase());
  await click(page, '#Command1_0');
  const box = await page.$('[role="alertdialog"]');
  assert.ok(box, 'no error box');
  const text = await box.evaluate((e) => e.textContent);
  assert.match(text, /Option1\(-1\)/);
  assert.match(text, /Програмата ще бъде затворена/);
  const before = await transcript(page);
  await page.$eval('#Command1_1', (e) => e.click());
  await page.$eval('#Option1_0', (e) => e.click());
  assert.equal(await transcript(page), before);
  assert.equal(await page.$eval('.window', (e) => e.inert), true);
});

test('the page for pupils has no test entry point', async () => {
  const { page } = await openPage(browser);
  assert.equal(await page.evaluate(() => typeof window.morvatekTestHooks), 'undefined');
});
