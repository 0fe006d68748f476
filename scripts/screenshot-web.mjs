// Opens build-web/morvatek.html in headless Chromium, converts 1011 to base 8 with real mouse
// clicks and saves the window as docs/screenshot-web.png, and the page on a phone's 360 x 640
// screen as docs/screenshot-web-phone.png (run after scripts/build-web.sh and `npm ci` in
// tests/web).
import { fileURLToPath } from 'node:url';
import { click, enterDigits, openPage, startBrowser } from '../tests/web/browser.mjs';

const { browser, stop } = await startBrowser();
try {
  const { page } = await openPage(browser, { viewport: { width: 477, height: 318 } });
  await click(page, '#Option1_1');
  await enterDigits(page, '1011');
  await click(page, '#Command1_0');
  const window = await page.$('#Morvatek');
  await window.screenshot({ path: fileURLToPath(new URL('../docs/screenshot-web.png', import.meta.url)) });
  const phone = (await openPage(browser, { viewport: { width: 360, height: 640 } })).page;
  await click(phone, '#Option1_1');
  await enterDigits(phone, '1011');
  await click(phone, '#Command1_0');
  await phone.screenshot({ path: fileURLToPath(new URL('../docs/screenshot-web-phone.png', import.meta.url)) });
  console.log('saved docs/screenshot-web.png and docs/screenshot-web-phone.png');
} finally {
  await stop();
}
