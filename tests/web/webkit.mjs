// WebKit, Safari's engine, as Debian's WebKitGTK WebDriver drives its MiniBrowser, on an X
// server of its own: the same rows as in Chromium and Firefox, through the few calls of
// Puppeteer's pages they use. Classic WebDriver only, with one session per driver: each page is
// that session, navigated anew. No network log, no page errors, no script before the page's own.
import { spawn } from 'node:child_process';
import { createServer } from 'node:net';
import { Builder, Key, Origin } from 'selenium-webdriver';

const keys = {
  Tab: Key.TAB, Enter: Key.RETURN, End: Key.END, Home: Key.HOME, PageUp: Key.PAGE_UP,
  PageDown: Key.PAGE_DOWN, ArrowUp: Key.ARROW_UP, ArrowDown: Key.ARROW_DOWN, ArrowLeft: Key.ARROW_LEFT,
  ArrowRight: Key.ARROW_RIGHT, Delete: Key.DELETE, Control: Key.CONTROL,
};
const key = (name) => keys[name] ?? name;

// A function of the test's, run in the page with the given arguments; its promise is awaited.
const call = (fn, receiver = '') => `return (${fn})(${receiver}...Array.from(arguments).slice(${receiver ? 1 : 0}))`;

class WebKitElement {
  constructor(session, element) {
    this.session = session;
    this.element = element;
  }

  evaluate(fn, ...args) {
    return this.session.executeScript(call(fn, 'arguments[0], '), this.element, ...args);
  }

  boundingBox() {
    return this.evaluate((e) => {
      const { x, y, width, height } = e.getBoundingClientRect();
      return { x, y, width, height };
    });
  }
}

class WebKitPage {
  constructor(session) {
    this.session = session;
    this.mouse = {
      click: (x, y, { count = 1 } = {}) => {
        const pointer = session.actions().move({ x: Math.round(x), y: Math.round(y), origin: Origin.VIEWPORT });
        return (count === 2 ? pointer.doubleClick() : pointer.click()).perform();
      },
    };
    this.keyboard = {
      press: (name) => session.actions().sendKeys(key(name)).perform(),
      down: (name) => session.actions().keyDown(key(name)).perform(),
      up: (name) => session.actions().keyUp(key(name)).perform(),
      type: (text) => session.actions().sendKeys(text).perform(),
    };
  }

  // The page's own size; the browser's window is that much larger around it.
  async setViewport({ width, height }) {
    const window = this.session.manage().window();
    const outer = await window.getRect();
    const [innerWidth, innerHeight] = await this.evaluate(() => [window.innerWidth, window.innerHeight]);
    await window.setRect({ width: width + outer.width - innerWidth, height: height + outer.height - innerHeight });
  }

  on() {} // WebDriver tells no page errors and no requests

  goto(url) { return this.session.get(url); }
  title() { return this.session.getTitle(); }
  close() { return this.session.get('about:blank'); }

  evaluate(fn, ...args) {
    return this.session.executeScript(typeof fn === 'string' ? fn : call(fn), ...args);
  }

  $eval(selector, fn, ...args) {
    return this.session.executeScript(call(fn, 'document.querySelector(arguments[0]), '), selector, ...args);
  }

  $$eval(selector, fn, ...args) {
    return this.session.executeScript(call(fn, '[...document.querySelectorAll(arguments[0])], '), selector, ...args);
  }

  async $(selector) {
    const [element] = await this.session.findElements({ css: selector });
    return element ? new WebKitElement(this.session, element) : null;
  }

  waitForFunction(fn, { timeout = 30000 } = {}) {
    return this.session.wait(() => this.evaluate(fn), timeout);
  }

  waitForSelector(selector, options) {
    return this.waitForFunction(`return document.querySelector(${JSON.stringify(selector)}) !== null`, options);
  }

  focus(selector) { return this.$eval(selector, (e) => e.focus()); }

  // As Puppeteer clicks: the element scrolled into view, a click in its middle.
  async click(selector) {
    const box = await (await this.$(selector)).evaluate((e) => {
      e.scrollIntoView({ block: 'nearest' });
      const { x, y, width, height } = e.getBoundingClientRect();
      return { x, y, width, height };
    });
    await this.mouse.click(box.x + box.width / 2, box.y + box.height / 2);
  }
}

const freePort = () => new Promise((resolve) => {
  const server = createServer().listen(0, '127.0.0.1', () => {
    const { port } = server.address();
    server.close(() => resolve(port));
  });
});

// Its own X server, picking a free display itself, and a driver on a free local port.
export async function startWebKit() {
  const xvfb = spawn('Xvfb', ['-displayfd', '3', '-screen', '0', '1280x1024x24', '-nolisten', 'tcp'],
    { stdio: ['ignore', 'ignore', 'ignore', 'pipe'] });
  const display = await new Promise((resolve, reject) => {
    xvfb.stdio[3].once('data', (data) => resolve(`:${String(data).trim()}`));
    xvfb.once('exit', () => reject(new Error('Xvfb did not start')));
  });
  const port = await freePort();
  // X alone, whatever display the caller has.
  const env = { ...process.env, DISPLAY: display, GDK_BACKEND: 'x11' };
  delete env.WAYLAND_DISPLAY;
  const driver = spawn(process.env.WEBKIT_WEBDRIVER ?? 'WebKitWebDriver', [`--port=${port}`, '--host=127.0.0.1'],
    { stdio: 'ignore', env });
  let session;
  for (let attempt = 0; !session; ++attempt) {
    try {
      session = await new Builder().usingServer(`http://127.0.0.1:${port}`).withCapabilities({
        browserName: 'MiniBrowser', 'webkitgtk:browserOptions': { args: ['--automation'] },
      }).build();
    } catch (error) {
      if (attempt === 50) {
        throw error;
      }
      await new Promise((resolve) => setTimeout(resolve, 100)); // until the driver listens
    }
  }
  return {
    browser: { newPage: async () => new WebKitPage(session) },
    async stop() {
      await session.quit();
      driver.kill();
      xvfb.kill();
    },
  };
}
