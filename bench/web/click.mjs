// In headless Chromium: a click on "Изчисли" with thirty digits entered in base 4, for
// morvatek.html against the same elements without the program (morvatek-static.html) that set
// the same transcript once per click, in alternating runs. Prints the time from the click to the
// end of its handlers and to the next frame, and how many writes reached the page on the way.
// usage: node bench/web/click.mjs [runs] BUILD_FOLDER
import { join } from 'node:path';
import { click, clickItem, openPage, startBrowser } from '../../tests/web/browser.mjs';

const runs = Number(process.argv[2] ?? 21);
const folder = process.argv[3] ?? 'build-web';
const pages = [join(folder, 'morvatek.html'), join(folder, 'morvatek-static.html')];

const transcript = `${Array(15).fill('11').join(' ')}\nЧислото е разделено на групи по: 2\n\n`
  + `${'11 = 3\n'.repeat(15)}Въведеното число в 4-ична бройна система:\n${'3'.repeat(15)}`;

// Counts every change of the window's elements and every write of a text field's value from the
// click on, and notes the end of the click's handlers and the start of the next frame.
function watch() {
  const state = { writes: 0 };
  new MutationObserver((records) => { state.writes += records.length; })
    .observe(document.querySelector('.window'), { attributes: true, childList: true, subtree: true, characterData: true });
  for (const field of document.querySelectorAll('textarea, input')) {
    const proto = Object.getPrototypeOf(field);
    const { get, set } = Object.getOwnPropertyDescriptor(proto, 'value');
    Object.defineProperty(field, 'value', { get() { return get.call(this); }, set(text) { state.writes += 1; set.call(this, text); } });
  }
  const calculate = document.getElementById('Command1_0');
  addEventListener('click', (event) => {
    if (event.target !== calculate) return;
    state.clicked = performance.now();
    setTimeout(() => { state.handled ??= performance.now(); });
    requestAnimationFrame(() => { state.frame = performance.now(); });
  }, true);
  calculate.addEventListener('click', () => { state.handled = performance.now(); });
  window.clickBench = state;
}

async function clickToSettled(browser, path, yardstick) {
  const { page } = await openPage(browser, { path });
  if (yardstick) {
    await page.evaluate((text) => {
      document.getElementById('Command1_0').addEventListener('click', () => {
        document.getElementById('Text1_0').value = text;
      });
    }, transcript);
  } else {
    await click(page, '#Option1_0');
    for (let digit = 0; digit < 30; ++digit) {
      await clickItem(page, 1);
    }
  }
  await page.evaluate(watch);
  await click(page, '#Command1_0');
  await page.waitForFunction(() => window.clickBench.frame !== undefined);
  const state = await page.evaluate(() => window.clickBench);
  const shown = await page.$eval('#Text1_0', (e) => e.value);
  await page.close();
  if (shown !== transcript) {
    throw new Error(`${path}: the transcript is not the expected one`);
  }
  return { handled: state.handled - state.clicked, frame: state.frame - state.clicked, writes: state.writes };
}

const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];

const { browser, stop } = await startBrowser();
try {
  const results = [[], []];
  for (let run = 0; run < runs; ++run) {
    for (const which of [0, 1]) {
      results[which].push(await clickToSettled(browser, pages[which], which === 1));
    }
  }
  const of = (which, key) => median(results[which].map((r) => r[key]));
  console.log(`runs each (alternating):     ${runs}`);
  console.log(`click to handlers done:      morvatek.html ${of(0, 'handled').toFixed(2)} ms, yardstick ${of(1, 'handled').toFixed(2)} ms (medians)`);
  console.log(`click to next frame:         morvatek.html ${of(0, 'frame').toFixed(1)} ms, yardstick ${of(1, 'frame').toFixed(1)} ms (medians; target at most one frame, 16.7 ms)`);
  console.log(`writes to the page:          morvatek.html ${of(0, 'writes')}, yardstick ${of(1, 'writes')} (medians)`);
} finally {
  await stop();
}
