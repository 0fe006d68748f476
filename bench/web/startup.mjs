// In headless Chromium, or Firefox ESR with MORVATEK_BROWSER=firefox: from navigation start to
// the window's first paint, and to the window drawn and taking the pupil's actions, for
// morvatek.html against the same elements without WebAssembly (morvatek-static.html), in
// alternating runs; where the page's time goes from its parsed markup to the interactive window;
// and the page's size, raw and gzip-compressed.
// usage: node bench/web/startup.mjs [runs] BUILD_FOLDER
import { readFileSync } from 'node:fs';
import { join } from 'node:path';
import { gzipSync } from 'node:zlib';
import { pathToFileURL } from 'node:url';
import { firefox, startBrowser } from '../../tests/web/browser.mjs';

const runs = Number(process.argv[2] ?? 21);
const folder = process.argv[3] ?? 'build-web';
const pages = [join(folder, 'morvatek.html'), join(folder, 'morvatek-static.html')];

// Times what the page does after its markup, from a script run before the page's own: the wait
// for the window's first frames, then decoding, compiling and instantiating the WebAssembly.
function timePhases() {
  const phases = (window.morvatekPhases = {});
  const timed = (name, target, how) => new Proxy(target, {
    [how](...call) {
      const begin = performance.now();
      const result = Reflect[how](...call);
      phases[name] = (phases[name] ?? 0) + performance.now() - begin;
      return result;
    },
  });
  if (Uint8Array.fromBase64) {
    Uint8Array.fromBase64 = timed('decode', Uint8Array.fromBase64, 'apply');
  }
  WebAssembly.Module = timed('compile', WebAssembly.Module, 'construct');
  WebAssembly.Instance = timed('instantiate', WebAssembly.Instance, 'construct');
  addEventListener('DOMContentLoaded', () => { phases.parsed = performance.now(); });
  let create;
  Object.defineProperty(window, 'createMorvatek', {
    set(made) { create = made; },
    get() {
      return (options) => {
        phases.called = performance.now();
        const core = create(options);
        phases.created = performance.now();
        return core;
      };
    },
  });
}

// Where the time goes, in ms: waiting for the first frames, the WebAssembly's own work, the
// runtime's start, the program's start (Load and every control shown), and the frame after it.
function breakdown({ parsed, called, created, decode = 0, compile, instantiate }) {
  const [started, interactive] = ['morvatek-started', 'morvatek-interactive']
    .map((mark) => performance.getEntriesByName(mark)[0].startTime);
  return { 'first frames': called - parsed, decode, compile, instantiate,
    'runtime start': created - called - decode - compile - instantiate, 'program start': started - created,
    'to the next frame': interactive - started };
}

// The first paint with content; both pages mark the moment after the frame that shows the
// window ready for the pupil.
async function startUp(browser, path) {
  const page = await browser.newPage();
  await page.setViewport({ width: 800, height: 600 });
  await page.evaluateOnNewDocument(timePhases); // on both pages, as it takes its own time
  await page.goto(pathToFileURL(path).href);
  await page.waitForSelector('html[data-ready]');
  // The browser enters the paint once the frame is on the screen, a little later.
  await page.waitForFunction(() => performance.getEntriesByName('first-contentful-paint').length > 0);
  const ms = await page.evaluate(`[
    performance.getEntriesByName('first-contentful-paint')[0].startTime,
    performance.getEntriesByName('morvatek-interactive')[0].startTime,
    window.morvatekPhases.called && (${breakdown})(window.morvatekPhases),
  ]`);
  await page.close();
  return ms;
}

const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];

const { browser, stop } = await startBrowser();
try {
  for (const path of pages) {
    await startUp(browser, path); // warm the file cache for both
  }
  const times = [[], []];
  for (let run = 0; run < runs; ++run) {
    for (const which of [0, 1]) {
      times[which].push(await startUp(browser, pages[which]));
    }
  }
  console.log(`${firefox ? 'Firefox ESR' : 'Chromium'}, runs each (alternating): ${runs}`);
  for (const [moment, at, target] of [['first paint', 0, 1.05], ['interactive', 1, 1.15]]) {
    const [page, yardstick] = times.map((runsOf) => median(runsOf.map((run) => run[at])));
    console.log(`navigation to ${moment}:`.padEnd(29) + `morvatek.html ${page.toFixed(1)} ms, static page `
      + `${yardstick.toFixed(1)} ms (medians), ratio ${(page / yardstick).toFixed(3)} (target at most ${target})`);
  }
  const phases = Object.keys(times[0][0][2]).map((phase) =>
    `${phase} ${median(times[0].map((run) => run[2][phase])).toFixed(1)}`);
  console.log(`after the markup, ms:         ${phases.join(', ')} (medians)`);
  const bytes = readFileSync(pages[0]);
  console.log(`morvatek.html:               ${(bytes.length / 1024).toFixed(1)} KiB raw (target at most 150 KB), `
    + `${(gzipSync(bytes, { level: 9 }).length / 1024).toFixed(1)} KiB gzip-compressed (target at most 60 KB)`);
} finally {
  await stop();
}
