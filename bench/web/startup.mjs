// In headless Chromium: from navigation start to the window drawn and taking the pupil's
// actions, for morvatek.html against the same elements without WebAssembly
// (morvatek-static.html), in alternating runs; and the page's size, raw and gzip-compressed.
// usage: node bench/web/startup.mjs [runs] BUILD_FOLDER
import { readFileSync } from 'node:fs';
import { join } from 'node:path';
import { gzipSync } from 'node:zlib';
import { openPage, startBrowser } from '../../tests/web/browser.mjs';

const runs = Number(process.argv[2] ?? 21);
const folder = process.argv[3] ?? 'build-web';
const pages = [join(folder, 'morvatek.html'), join(folder, 'morvatek-static.html')];

// Both pages mark the moment after the frame that shows the window ready for the pupil.
async function startToInteractive(browser, path) {
  const { page } = await openPage(browser, { path });
  const ms = await page.evaluate(() => performance.getEntriesByName('morvatek-interactive')[0].startTime);
  await page.close();
  return ms;
}

const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];

const { browser, stop } = await startBrowser();
try {
  for (const path of pages) {
    await startToInteractive(browser, path); // warm the file cache for both
  }
  const times = [[], []];
  for (let run = 0; run < runs; ++run) {
    for (const which of [0, 1]) {
      times[which].push(await startToInteractive(browser, pages[which]));
    }
  }
  const [page, yardstick] = times.map(median);
  console.log(`runs each (alternating):     ${runs}`);
  console.log(`navigation to interactive:   morvatek.html ${page.toFixed(1)} ms, static page ${yardstick.toFixed(1)} ms (medians)`);
  console.log(`time ratio:                  ${(page / yardstick).toFixed(3)} (target at most 1.25)`);
  const bytes = readFileSync(pages[0]);
  console.log(`morvatek.html:               ${(bytes.length / 1024).toFixed(1)} KiB raw (target at most 150 KB), `
    + `${(gzipSync(bytes, { level: 9 }).length / 1024).toFixed(1)} KiB gzip-compressed (target at most 60 KB)`);
} finally {
  await stop();
}
