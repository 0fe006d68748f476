// A pupil with only a keyboard: Tab, the arrow keys, Space, Enter and the digit keys.
import assert from 'node:assert/strict';
import { after, before, test } from 'node:test';
import { chromiumOnly, entry, focusId, openPage, startBrowser, transcript } from './browser.mjs';

let browser;
let stop;
before(async () => ({ browser, stop } = await startBrowser()));
after(async () => stop());

async function press(page, keys) {
  for (const key of keys) {
    await page.keyboard.press(key);
  }
}

// Past the entry Tab leaves the page, as it should; coming back it starts over at the transcript.
test('Tab visits the controls in the designed order, round the page twice', async () => {
  const { page } = await openPage(browser);
  const designed = ['Text1_0', 'Option1_1', 'List1', 'Command1_0', 'Command1_1', 'Text2'];
  // Outside the page the focus is on none of the page's controls. Headless Firefox's own
  // toolbar, which it has none of, takes one Tab while the page still calls the entry active.
  const visited = [];
  for (let step = 0; step < 40 && visited.length < 3 * designed.length; ++step) {
    const id = await focusId(page);
    if (id && id !== visited.at(-1)) {
      visited.push(id);
    }
    await page.keyboard.press('Tab');
  }
  assert.deepEqual(visited, [...designed, ...designed, ...designed]);
});

// From the transcript: Tab to the option group ("8-ична" first), choose, Tab to the digits,
// enter them, Tab to "Изчисли" and press it.
const conversions = [
  { name: '1011 in base 8 by arrows and Space', base: [' '], digits: ['End', 'ArrowUp', 'ArrowDown', ' '],
    press: 'Enter', entry: '1011', last: '8-ична бройна система:\n13' },
  { name: '1111 in base 8 by End, Space and Enter', base: [' '], digits: ['End', ' ', 'Enter', ' '],
    press: ' ', entry: '1111', last: '8-ична бройна система:\n17' },
  { name: '1011 in base 16 by typing', base: ['ArrowDown'], digits: ['1', '0', '1', '1'],
    press: 'Enter', entry: '1011', last: '16-ична бройна система:\nB' },
  { name: '1111 in base 16 by typing', base: ['ArrowDown'], digits: ['1', '1', '1', '1'],
    press: 'NumpadEnter', entry: '1111', last: '16-ична бройна система:\nF' },
  { name: '10 in base 4', base: ['ArrowUp'], digits: ['1', '0'], press: 'Enter', entry: '10',
    last: '4-ична бройна система:\n2' },
];

for (const conversion of conversions) {
  // Puppeteer knows the keypad's Enter key only through Chromium's protocol.
  const skip = conversion.press === 'NumpadEnter' && chromiumOnly;
  test(`a whole conversion without the mouse: ${conversion.name}`, { skip }, async () => {
    const { page } = await openPage(browser);
    await press(page, ['Tab', ...conversion.base, 'Tab']);
    assert.equal(await focusId(page), 'List1');
    await press(page, conversion.digits);
    assert.equal(await entry(page), conversion.entry);
    await page.keyboard.press('Tab');
    assert.equal(await focusId(page), 'Command1_0');
    await page.keyboard.press(conversion.press);
    assert.ok((await transcript(page)).endsWith(conversion.last), await transcript(page));
  });
}

test('keys on the digit list enter the digit they land on', async () => {
  for (const [keys, expected] of [[['End'], '1'], [['PageDown'], '1'], [['Home'], '0'], [['ArrowDown'], '0'],
    [['ArrowUp'], '0'], [[' '], ''], [['a'], ''], [['End', 'ArrowLeft'], '10'], [['End', 'PageUp'], '10'],
    [['End', 'ArrowRight'], '1'], [['Home', 'ArrowRight', 'Home'], '010']]) {
    const { page } = await openPage(browser);
    await page.click('#Option1_0');
    await page.focus('#List1');
    await press(page, keys);
    assert.equal(await entry(page), expected, keys.join(' '));
    // A screen reader hears the item the keys landed on, the digit just entered.
    const active = await page.$eval('#List1', (e) => e.getAttribute('aria-activedescendant'));
    assert.equal(active, expected === '' ? null : `List1-item${expected.at(-1)}`, keys.join(' '));
  }
});

test('the arrows in the base group go down and up the window, round from either end', async () => {
  for (const [from, key, to] of [['Option1_0', 'ArrowDown', 'Option1_1'], ['Option1_0', 'ArrowUp', 'Option1_2'],
    ['Option1_1', 'ArrowRight', 'Option1_2'], ['Option1_2', 'ArrowDown', 'Option1_0'],
    ['Option1_2', 'ArrowLeft', 'Option1_1']]) {
    const { page, errors } = await openPage(browser);
    await page.click(`#${from}`);
    await page.keyboard.press(key);
    assert.equal(await focusId(page), to, `${from} ${key}`);
    assert.equal(await page.$eval(`#${to}`, (e) => e.getAttribute('aria-checked')), 'true', `${from} ${key}`);
    assert.deepEqual(errors, []);
  }
});

test('with a base chosen, Tab from the transcript lands on the chosen base', async () => {
  const { page } = await openPage(browser);
  await page.click('#Option1_2');
  await page.focus('#Text1_0');
  await page.keyboard.press('Tab');
  assert.equal(await focusId(page), 'Option1_2');
});

test('tabbing through the digit list enters nothing', async () => {
  const { page } = await openPage(browser);
  await page.click('#Option1_1');
  await page.focus('#Option1_1');
  await press(page, ['Tab', 'Tab']);
  assert.equal(await focusId(page), 'Command1_0');
  assert.equal(await entry(page), '');
});
