// Starts and stops a headless browser of its own, with a fresh profile and no background
// traffic, and opens the built page from disk, the way a pupil opens the file. Debian's Chromium
// by default; Debian's Firefox ESR with MORVATEK_BROWSER=firefox, driven over WebDriver BiDi;
// WebKitGTK's MiniBrowser with MORVATEK_BROWSER=webkit, over classic WebDriver (webkit.mjs).
import { mkdtempSync, rmSync } from 'node:fs';
import { createServer } from 'node:http';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { fileURLToPath, pathToFileURL } from 'node:url';
import axe from 'axe-core';
import puppeteer from 'puppeteer-core';

// The pages the web build writes; CTest names them, and by hand the default build folder holds them.
const built = (file) => fileURLToPath(new URL(`../../build-web/${file}`, import.meta.url));
export const pagePath = process.env.MORVATEK_PAGE ?? built('morvatek.html');
export const testPagePath = process.env.MORVATEK_TEST_PAGE ?? built('morvatek-test.html');
export const sitePath = process.env.MORVATEK_SITE ?? built('site');

export const firefox = process.env.MORVATEK_BROWSER === 'firefox';
export const webkit = process.env.MORVATEK_BROWSER === 'webkit';
// The reason a test that needs Chromium's own protocol is skipped elsewhere, or false.
export const chromiumOnly = (firefox || webkit) && 'needs the Chrome DevTools Protocol';
// The reason a test that needs what only CDP and BiDi tell (every request, page errors, a script
// run before the page's own, printing) is skipped in WebKit, or false.
export const notInWebKit = webkit && "needs what WebKit's classic WebDriver cannot do";

const chromium = {
  executablePath: process.env.CHROMIUM ?? '/usr/bin/chromium',
  args: [
    '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
    '--disable-background-networking', '--disable-component-update', '--disable-sync',
    '--font-render-hinting=none',
  ],
};
const firefoxEsr = {
  browser: 'firefox',
  executablePath: process.env.FIREFOX ?? '/usr/bin/firefox-esr',
  extraPrefsFirefox: {
    'app.update.enabled': false,
    'browser.safebrowsing.malware.enabled': false,
    'browser.safebrowsing.phishing.enabled': false,
    'network.captive-portal-service.enabled': false,
    'network.connectivity-service.enabled': false,
    'toolkit.telemetry.enabled': false,
  },
};

export async function startBrowser() {
  if (webkit) {
    return (await import('./webkit.mjs')).startWebKit();
  }
  const profile = mkdtempSync(join(tmpdir(), 'morvatek-browser-'));
  const browser = await puppeteer.launch({
    ...(firefox ? firefoxEsr : chromium),
    headless: true,
    userDataDir: profile,
  });
  return {
    browser,
    async stop() {
      await browser.close();
      rmSync(profile, { recursive: true, force: true });
    },
  };
}

// Every rule of WCAG 2.0 to 2.2, levels A and AA, and of axe-core's best practices that the page
// breaks, each with the elements that break it.
export async function accessibilityViolations(page) {
  await page.evaluate(axe.source);
  const results = await page.evaluate(() => globalThis.axe.run(document, {
    runOnly: { type: 'tag', values: ['wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa', 'wcag22a', 'wcag22aa', 'best-practice'] },
  }));
  return results.violations.map((violation) =>
    `${violation.id}: ${violation.nodes.map((node) => node.target.join(' ')).join(', ')}`);
}

// Every address the page asks for, from now on.
export function recordRequests(page) {
  const requests = [];
  page.on('request', (request) => requests.push(request.url()));
  return requests;
}

// The requests that went anywhere but to `origin` (an inline data: address goes nowhere).
export const elsewhere = (requests, origin) =>
  requests.filter((url) => !url.startsWith('data:') && !url.startsWith(origin));

// Opens the page and waits until the program runs in it, or fails at once where the page says
// why it cannot run. Every request the page makes is recorded: it must make none beyond its own
// file.
export async function openPage(browser, { path = pagePath, viewport, colorScheme } = {}) {
  const page = await browser.newPage();
  await page.setViewport(viewport ?? { width: 800, height: 600 });
  if (colorScheme) {
    await page.emulateMediaFeatures([{ name: 'prefers-color-scheme', value: colorScheme }]);
  }
  const requests = recordRequests(page);
  const errors = [];
  page.on('pageerror', (error) => errors.push(error.message));
  await page.goto(pathToFileURL(path).href);
  await page.waitForFunction(() => {
    const html = document.documentElement;
    return 'ready' in html.dataset || 'failed' in html.dataset;
  });
  const failure = await page.evaluate(() => {
    const html = document.documentElement;
    return 'ready' in html.dataset && !('failed' in html.dataset)
      ? null : document.getElementById('start-failure').textContent;
  });
  if (failure !== null) {
    throw new Error(`the page cannot run: ${failure}`);
  }
  return { page, requests, errors };
}

export async function boxOf(page, id) {
  const element = await page.$(`#${id}`);
  return element.boundingBox();
}

// A real mouse click in the middle of the element (or at an offset inside it).
export async function click(page, selector, offset) {
  const element = await page.$(selector);
  await element.evaluate((e) => e.scrollIntoView({ block: 'nearest' })); // as a pupil scrolls to it
  const box = await element.boundingBox();
  const x = box.x + (offset ? offset.x : box.width / 2);
  const y = box.y + (offset ? offset.y : box.height / 2);
  await page.mouse.click(x, y);
}

export async function clickItem(page, row) {
  await click(page, `#List1-item${row}`);
}

export async function enterDigits(page, digits) {
  for (const digit of digits) {
    await clickItem(page, digit === '1' ? 1 : 0);
  }
}

export const entry = (page) => page.$eval('#Text2', (e) => e.value);
export const transcript = (page) => page.$eval('#Text1_0', (e) => e.value);
export const focusId = (page) => page.evaluate(() => document.activeElement.id);

// A web server of the test's own on a free local port; `handler` answers every request.
export async function serve(handler) {
  const server = createServer(handler);
  await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
  // Closing drops the connections a browser keeps alive too: the server is really gone.
  let open = true;
  const close = () => {
    if (open) {
      open = false;
      server.close();
      server.closeAllConnections();
    }
  };
  return { origin: `http://127.0.0.1:${server.address().port}`, close };
}
