// The page as it opens: what the pupil sees, every element's box and colour against the design,
// what a screen reader is told, the fit on a small screen, and that it asks nothing of any host.
import assert from 'node:assert/strict';
import { after, before, describe, test } from 'node:test';
import { execFileSync } from 'node:child_process';
import { readFileSync } from 'node:fs';
import { extname, join } from 'node:path';
import { pathToFileURL } from 'node:url';
import {
  accessibilityViolations, boxOf, chromiumOnly, click, elsewhere, enterDigits, firefox, focusId, notInWebKit,
  openPage, pagePath, recordRequests, serve, sitePath, startBrowser, testPagePath, transcript, webkit,
} from './browser.mjs';

// The design's rectangles in twips (left, top, width, height); the option buttons sit in Frame1.
const designed = {
  Label1_0: [360, 0, 6495, 375],
  Label1_1: [360, 480, 1815, 375],
  Frame1: [120, 840, 2295, 1335],
  Option1_0: [120 + 240, 840 + 120, 1815, 375],
  Option1_1: [120 + 240, 840 + 480, 1815, 375],
  Option1_2: [120 + 240, 840 + 840, 1815, 375],
  Label1_2: [2640, 840, 975, 375],
  List1: [2640, 1200, 975, 630],
  Label1_3: [3720, 1080, 2895, 375],
  Text2: [3720, 1440, 2895, 405],
  Command1_0: [4920, 600, 1695, 375],
  Command1_1: [2640, 2040, 1695, 375],
  Text1_0: [240, 2640, 6735, 2055],
};

const taskStatementStart = 'Да се състави проект реализиращ вътрешнопредметна връзка по Информатика.\n';
const taskStatementEnd = 'Последният ред на текстовото поле да съдържа числото в новата бройна система.\n';

let browser;
let stop;
before(async () => ({ browser, stop } = await startBrowser()));
after(async () => stop());

describe('start', () => {
  test('no base, an empty entry and digit list, the task statement at the top with the focus', async () => {
    const { page, errors } = await openPage(browser);
    assert.equal(await page.title(), 'www.morvatek.example Бройна система - директно преобразуване');
    assert.equal(await page.$eval('html', (e) => e.lang), 'bg');
    const checked = await page.$$eval('[role="radio"]', (all) => all.map((e) => e.getAttribute('aria-checked')));
    assert.deepEqual(checked, ['false', 'false', 'false']);
    assert.equal(await page.$eval('#List1', (e) => e.children.length), 0);
    assert.equal(await page.$eval('#Text2', (e) => e.value), '');
    const transcript = await page.$eval('#Text1_0', (e) => [e.value, e.scrollTop, e.readOnly]);
    assert.ok(transcript[0].startsWith(taskStatementStart) && transcript[0].endsWith(taskStatementEnd));
    assert.equal(transcript[0].length, 913 - 9, 'nine CR LF line breaks are nine line feeds here');
    assert.deepEqual(transcript.slice(1), [0, true]);
    assert.equal(await focusId(page), 'Text1_0');
    for (const hidden of ['List2_0', 'List2_1', 'List2_2', 'List2_3', 'Text1_1']) {
      assert.equal(await page.$(`#${hidden}`), null, `${hidden} is on the page`);
    }
    assert.deepEqual(errors, []);
  });

  // Each of its own scripts and its style is allowed by its hash, and nothing inline else. The test
  // page records what its policy refuses from before its first script.
  test('its policy refuses nothing of its own and allows nothing inline besides, and it converts', async () => {
    const { page } = await openPage(browser, { path: testPagePath });
    await click(page, '#Option1_2');
    await enterDigits(page, '1010');
    await click(page, '#Command1_0');
    assert.ok((await transcript(page)).endsWith('16-ична бройна система:\nA'));
    assert.deepEqual(await page.evaluate(() => window.morvatekViolations), []);
    const policy = await page.$eval('meta[http-equiv="Content-Security-Policy"]', (e) => e.content);
    assert.doesNotMatch(policy, /unsafe-inline/);
  });

  test('opened from disk it asks no host for anything', { skip: notInWebKit }, async () => {
    const { requests } = await openPage(browser);
    const others = requests.filter((url) => !url.startsWith('data:') && !url.endsWith('/morvatek.html'));
    assert.deepEqual(others, []);
  });
});

describe('from a web server', () => {
  test('served as a plain file it works the same and asks nothing of any other host', { skip: notInWebKit }, async () => {
    const html = readFileSync(pagePath);
    const server = await serve((request, response) => {
      if (request.url === '/morvatek.html') {
        response.writeHead(200, { 'Content-Type': 'text/html; charset=utf-8' });
        response.end(html);
      } else {
        response.writeHead(404);
        response.end();
      }
    });
    try {
      const { origin } = server;
      const page = await browser.newPage();
      const requests = recordRequests(page);
      await page.goto(`${origin}/morvatek.html`);
      await page.waitForSelector('html[data-ready]');
      await click(page, '#Option1_2');
      await enterDigits(page, '1010');
      await click(page, '#Command1_0');
      assert.ok((await transcript(page)).endsWith('16-ична бройна система:\nA'));
      assert.deepEqual(elsewhere(requests, origin), []);
    } finally {
      server.close();
    }
  });

  // The hosted edition under a folder of a plain static server, as a school's web admin puts it,
  // with the headers docs/installing.md gives for nginx and Apache.
  test('the hosted site installs as an app and converts offline after one visit', { skip: chromiumOnly }, async () => {
    const types = { '.html': 'text/html; charset=utf-8', '.js': 'text/javascript', '.png': 'image/png',
      '.webmanifest': 'application/manifest+json' };
    const headers = { 'X-Content-Type-Options': 'nosniff', 'Referrer-Policy': 'no-referrer',
      'Cross-Origin-Resource-Policy': 'same-origin', 'Content-Security-Policy': "frame-ancestors 'none'" };
    const server = await serve((request, response) => {
      const path = new URL(request.url, 'http://localhost').pathname.replace(/^\/apps\/morvatek\//, '/');
      try {
        const body = readFileSync(join(sitePath, path === '/' ? 'index.html' : path));
        response.writeHead(200, { ...headers, 'Content-Type': types[extname(path) || '.html'] });
        response.end(body);
      } catch {
        response.writeHead(404);
        response.end();
      }
  });
    const page = await browser.newPage();
    try {
      const { origin } = server;
      const requests = recordRequests(page);
      await page.goto(`${origin}/apps/morvatek/`);
      await page.waitForSelector('html[data-ready]');
      await page.evaluate(() => navigator.serviceWorker.ready);
      await page.waitForFunction(() => navigator.serviceWorker.controller !== null);
      const session = await page.createCDPSession();
      const { installabilityErrors } = await session.send('Page.getInstallabilityErrors');
      assert.deepEqual(installabilityErrors, []);
      const manifest = await (await fetch(`${origin}/apps/morvatek/manifest.webmanifest`)).json();
      assert.equal(manifest.name, 'Morvatek');
      assert.equal(manifest.lang, 'bg');
      assert.deepEqual(manifest.icons.map((icon) => icon.sizes), ['192x192', '512x512', '512x512']);

      // The school's server down too: offline emulation alone leaves the worker's own requests
      // to the network.
      await page.setOfflineMode(true);
      server.close();
      await page.reload();
      await page.waitForSelector('html[data-ready]');
      await click(page, '#Option1_1');
      await enterDigits(page, '1011');
      await click(page, '#Command1_0');
      assert.ok((await transcript(page)).endsWith('8-ична бройна система:\n13'));
      assert.deepEqual(elsewhere(requests, origin), []);
    } finally {
      await page.close();
      server.close();
    }
  });
});

describe('look', () => {
  test('every element in its designed box, 15 twips to the CSS pixel', async () => {
    const { page } = await openPage(browser);
    const window = await boxOf(page, 'Morvatek');
    assert.deepEqual([window.width, window.height], [7155 / 15, 4770 / 15]);
    for (const [id, [left, top, width, height]] of Object.entries(designed)) {
      const box = await boxOf(page, id);
      assert.deepEqual([box.x - window.x, box.y - window.y, box.width, box.height],
        [left / 15, top / 15, width / 15, height / 15], id);
    }
  });

  // Firefox opens in the light scheme; only Chromium's protocol switches it.
  for (const colorScheme of ['light', 'dark']) {
    const skip = colorScheme === 'dark' && chromiumOnly;
    test(`designed colours with black text, system colours elsewhere (${colorScheme} scheme)`, { skip }, async () => {
      const { page } = await openPage(browser, { colorScheme: firefox || webkit ? undefined : colorScheme });
      const style = (id) => page.$eval(`#${id}`, (e) => {
        const s = getComputedStyle(e);
        return [s.backgroundColor, s.color];
      });
      const black = 'rgb(0, 0, 0)';
      assert.deepEqual(await style('Morvatek'), ['rgb(192, 192, 255)', black]);
      for (const id of ['Label1_0', 'Label1_1', 'Label1_2', 'Label1_3']) {
        assert.deepEqual(await style(id), ['rgb(255, 192, 128)', black], id);
      }
      for (const id of ['Option1_0', 'Option1_1', 'Option1_2']) {
        assert.deepEqual(await style(id), ['rgb(192, 255, 192)', black], id);
      }
      assert.deepEqual(await style('Command1_0'), ['rgb(128, 255, 128)', black]);
      assert.deepEqual(await style('Command1_1'), ['rgb(255, 128, 128)', black]);
      const [field, fieldText] = await style('Text1_0');
      const dark = colorScheme === 'dark';
      assert.equal(field === 'rgb(255, 255, 255)', !dark, `transcript background ${field}`);
      assert.notEqual(field, fieldText);
      assert.deepEqual(await style('List1'), [field, fieldText]);
      assert.deepEqual(await style('Text2'), [field, fieldText]);
    });
  }

  test('the chosen base shows a mark the others do not, the selected digit a background of its own',
    { skip: webkit && "WebKitGTK's element screenshots come back black" }, async () => {
    const { page } = await openPage(browser);
    const mark = async (id) => (await page.$(`#${id} .mark`)).screenshot({ encoding: 'base64' });
    assert.equal(await mark('Option1_0'), await mark('Option1_1'));
    await click(page, '#Option1_0');
    assert.notEqual(await mark('Option1_0'), await mark('Option1_1'));
    await click(page, '#List1-item1');
    const background = (row) => page.$eval(`#List1-item${row}`, (e) => getComputedStyle(e).backgroundColor);
    assert.notEqual(await background(1), await background(0));
    // In a list the pupil can still click, the selection is the system's, not a greyed one.
    const selectedItem = await page.evaluate(() => {
      const probe = document.body.appendChild(document.createElement('div'));
      probe.style.background = 'SelectedItem';
      const colour = getComputedStyle(probe).backgroundColor;
      probe.remove();
      return colour;
    });
    assert.equal(await background(1), selectedItem);
  });

  test('the task statement is centred in its label', async () => {
    const { page } = await openPage(browser);
    const [left, right] = await page.$eval('#Label1_0', (label) => {
      const text = document.createRange();
      text.selectNodeContents(label);
      const drawn = text.getBoundingClientRect();
      const box = label.getBoundingClientRect();
      return [drawn.left - box.left, box.right - drawn.right];
    });
    assert.ok(Math.abs(left - right) <= 3, `margins ${left} and ${right}`);
  });

  test('Times New Roman 12 pt, or its metric twin', async () => {
    const { page } = await openPage(browser);
    const font = await page.$eval('#Label1_0', (e) => [getComputedStyle(e).fontFamily, getComputedStyle(e).fontSize]);
    // Engines differ in quoting the names (WebKitGTK 2.52 leaves the quotes out).
    font[0] = font[0].replaceAll('"', '');
    assert.deepEqual(font, ['Times New Roman, Liberation Serif, serif', '16px']);
  });

  // Below the window's width the same controls stand in one column; text keeps its designed size
  // and nothing scrolls sideways, so phones and browser zoom up to 400 % work.
  for (const [width, height] of [[412, 915], [360, 640], [320, 256]]) {
    test(`on a ${width} x ${height} screen: one column, targets of 24 x 24 at least, text of 16 px`, async () => {
      const { page } = await openPage(browser, { viewport: { width, height } });
      await click(page, '#Option1_2');
      const sizes = await page.$$eval('[role="radio"], [role="option"], button, input, textarea',
        (all) => all.map((e) => [e.id || e.textContent, e.getBoundingClientRect().width, e.getBoundingClientRect().height,
          parseFloat(getComputedStyle(e).fontSize)]));
      for (const [name, w, h, font] of sizes) {
        assert.ok(w >= 24 && h >= 24, `${name}: ${w} x ${h}`);
        assert.ok(font >= 16, `${name}: ${font} px text`);
      }
      const scrolls = await page.evaluate(() => [document.documentElement.scrollWidth, innerWidth]);
      assert.ok(scrolls[0] <= scrolls[1], `the page scrolls sideways: ${scrolls}`);
      const top = (id) => boxOf(page, id).then((box) => box.y);
      assert.ok(await top('Label1_0') < await top('Frame1') && await top('Frame1') < await top('List1')
        && await top('List1') < await top('Text2') && await top('Text2') < await top('Command1_0')
        && await top('Command1_1') < await top('Text1_0'), 'not in reading order');
    });
  }

  // A contrast theme recolours everything and drops background images: the dot must survive.
  test('in a contrast theme the chosen base still shows its mark', { skip: chromiumOnly }, async () => {
    const { page } = await openPage(browser);
    const session = await page.createCDPSession();
    await session.send('Emulation.setEmulatedMedia', { features: [{ name: 'forced-colors', value: 'active' }] });
    const option = await page.$('#Option1_0');
    const before = await option.screenshot({ encoding: 'base64' });
    await click(page, '#Option1_0');
    assert.notEqual(await option.screenshot({ encoding: 'base64' }), before);
  });

  test('on paper the whole transcript, every group line and the result', { skip: notInWebKit }, async () => {
    const { page } = await openPage(browser);
    await click(page, '#Option1_0');
    await enterDigits(page, '1'.repeat(30));
    await click(page, '#Command1_0');
    for (const format of ['A4', 'Letter']) {
      const pdf = await page.pdf({ format });
      const text = execFileSync('pdftotext', ['-layout', '-', '-'], { input: pdf }).toString();
      assert.equal(text.match(/^\s*11 = 3\s*$/gm)?.length, 15, text);
      assert.match(text, /Въведеното число в 4-ична бройна система:\s+333333333333333/);
      assert.equal(text.split('\f').length - 1, 1, `${format}: more than one page`);
    }
  });
});

// Where the program cannot run, the window says why instead of doing nothing.
describe('a page that cannot run', () => {
  const shown = (page, selector) => page.$eval(selector, (e) => getComputedStyle(e).visibility === 'visible'
    && e.getBoundingClientRect().height > 0 && e.textContent);

  test('with JavaScript off', { skip: chromiumOnly }, async () => {
    const page = await browser.newPage();
    await page.setJavaScriptEnabled(false);
    await page.goto(pathToFileURL(pagePath).href);
    assert.match(await shown(page, 'noscript .start-failure'), /JavaScript е изключен/);
    assert.equal(await page.$eval('#start-failure', (e) => getComputedStyle(e).display), 'none');
    await page.close();
  });

  test('without WebAssembly', { skip: notInWebKit }, async () => {
    const page = await browser.newPage();
    await page.evaluateOnNewDocument(() => { delete globalThis.WebAssembly; });
    await page.goto(pathToFileURL(pagePath).href);
    await page.waitForSelector('html[data-failed]');
    assert.match(await shown(page, '#start-failure'), /WebAssembly/);
    await page.close();
  });

  test("under a site's policy that forbids its inline scripts", async () => {
    const html = readFileSync(pagePath);
    const server = await serve((request, response) => {
      response.writeHead(200, { 'Content-Type': 'text/html; charset=utf-8', 'Content-Security-Policy': "default-src 'self'" });
      response.end(html);
    });
    const page = await browser.newPage();
    try {
      await page.goto(`${server.origin}/morvatek.html`);
      await page.waitForFunction(() => document.getElementById('start-failure').checkVisibility({ visibilityProperty: true }),
        { timeout: 10000 });
      assert.match(await page.$eval('#start-failure', (e) => e.textContent), /Content-Security-Policy/);
    } finally {
      await page.close();
      server.close();
    }
  });
});

describe('accessibility', () => {
  // Read in the order they stand: the heading, then each label before its control, the bases from
  // the top down; a control is read as a whole.
  test('roles and names a screen reader reads out, in reading order', { skip: chromiumOnly }, async () => {
    const { page } = await openPage(browser);
    const tree = await page.accessibility.snapshot({ interestingOnly: false });
    const read = [];
    const walk = (node) => {
      if (['heading', 'radio', 'listbox', 'textbox', 'button'].includes(node.role)) {
        read.push(`${node.role}: ${node.name}`);
      } else if (node.role === 'StaticText') {
        read.push(node.name);
      } else {
        if (node.role === 'radiogroup') {
          read.push(`${node.role}: ${node.name}`);
        }
        (node.children ?? []).forEach(walk);
      }
    };
    walk(tree);
    assert.deepEqual(read, [
      'heading: www.morvatek.example Бройна система - директно преобразуване',
      'Преобразуване на бройна система от основа 2 в 4, 8, 16',
      'Бройна система',
      'radiogroup: Бройна система',
      'radio: 4-ична',
      'radio: 8-ична',
      'radio: 16-ична',
      'Цифри',
      'listbox: Цифри',
      'Въведено двоично число',
      'textbox: Въведено двоично число',
      'button: Изчисли',
      'button: Изчисти',
      'textbox: Ход на преобразуването',
    ]);
  });

  for (const [width, height] of [[800, 600], [360, 640]]) {
    test(`no accessibility rule broken on a ${width} px screen, before and after a calculation`, async () => {
      const { page } = await openPage(browser, { viewport: { width, height } });
      assert.deepEqual(await accessibilityViolations(page), [], 'as the page opens');
      await click(page, '#Option1_1');
      await enterDigits(page, '1011');
      await click(page, '#Command1_0');
      assert.deepEqual(await accessibilityViolations(page), [], 'after "Изчисли"');
    });
  }
});
