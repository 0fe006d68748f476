// Starts and stops a headless Chromium of its own (Debian's, with a fresh profile and no
// background traffic) and opens the built page from disk, the way a pupil opens the file.
import { mkdtempSync, rmSync } from 'node:fs';
import { createServer } from 'node:http';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { fileURLToPath, pathToFileURL } from 'node:url';
import puppeteer from 'puppeteer-core';

// The pages the web build writes; CTest names them, and by hand the default build folder holds them.
const built = (file) => fileURLToPath(new URL(`../../build-web/${file}`, import.meta.url));
export const pagePath = process.env.MORVATEK_PAGE ?? built('morvatek.html');
export const testPagePath = process.env.MORVATEK_TEST_PAGE ?? built('morvatek-test.html');
export const sitePath = process.env.MORVATEK_SITE ?? built('site');

export async function startBrowser() {
  const profile = mkdtempSync(join(tmpdir(), 'morvatek-chromium-'));
  const browser = await puppeteer.launch({
    executablePath: process.env.CHROMIUM ?? '/usr/bin/chromium',
    headless: true,
    userDataDir: profile,
    args: [
      '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
      '--disable-background-networking', '--disable-component-update', '--disable-sync',
      '--font-render-hinting=none',
    ],
  });
  return {
    browser,
    async stop() {
      await browser.close();
      rmSync(profile, { recursive: true, force: true });
    },
  };
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

// Opens the page and waits until the program runs in it. Every request the page makes is
// recorded: it must make none beyond its own file.
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
  await page.waitForSelector('html[data-ready]');
  return { page, requests, errors };
}

export async function boxOf(page, id) {
  const element = await page.$(`#${id}`);
  return element.boundingBox();
}

// A real mouse click in the middle of the element (or at an offset inside it).
export async function click(page, selector, offset) {
  const element = await page.$(selector);
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
