// Robot Oxel's browser build worked as its users work it: by keyboard, mouse and touch, on a
// desktop and a phone, through the accessibility tree, on a lost context and with no WebGL,
// loading and served compressed. Debian's Chromium (headless, over CDP) runs every check;
// Debian's Firefox (in a window on the display, WebGL on Mesa, over WebDriver BiDi) those its
// protocol can drive: the scenes, keys, mouse, About, the device pixel ratio, lost contexts, ends.
// Usage: node browser_test.mjs SITE_DIR SCENES_FILE [chromium|firefox]
import puppeteer from 'puppeteer-core';
import { PNG } from 'pngjs';
import { serve } from './serve.mjs';
import { get } from 'node:http';
import { mkdtempSync, readFileSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { brotliDecompressSync, gunzipSync } from 'node:zlib';

const [site, scenesFile, engine = 'chromium'] = process.argv.slice(2);
const chromium = engine === 'chromium';
let passed = 0;
let failed = 0;
function check(ok, what, detail = '') {
  ok ? passed++ : failed++;
  console.log(`${ok ? 'ok' : `FAIL (${engine})`}: ${what}${ok || !detail ? '' : '\n  ' + detail}`);
}

// Scenes: name, model, keys as [key, count], queries as [want, x, y].
function readScenes(text) {
  const scenes = [];
  for (const f of text.split('\n').map((line) => line.trim().split(/\s+/))) {
    if (f[0] === 'scene') {
      scenes.push({ name: f[1], model: +f[2], keys: f.slice(3).map((k) => k.split('*')), queries: [] });
    } else if (f[0] === 'grey' || f[0] === 'white') {
      const queries = scenes.at(-1).queries;
      for (let k = 0; f[1] === 'ring' && k < 16; k++) {
        const a = ((k + 0.5) * Math.PI) / 8;
        queries.push([f[0], +f[2] * Math.sin(a), +f[2] * Math.cos(a)]);
      }
      if (f[1] !== 'ring') queries.push([f[0], +f[1], +f[2]]);
    }
  }
  return scenes;
}

// Grey within 1.5 px of each "grey" point, only white within 2 px of each
// "white" one; the shorter side spans 200 units, origin at the centre, +Y up.
function probe({ width: w, height: h, data }, queries) {
  const kind = (i, j) => {
    const c = [...data.subarray((j * w + i) * 4, (j * w + i) * 4 + 3)];
    if (c.every((v) => v >= 240)) return 'white';
    const lo = Math.min(...c), hi = Math.max(...c);
    return lo >= 96 && hi <= 160 && hi - lo <= 16 ? 'grey' : 'other';
  };
  const scale = Math.min(w, h) / 200;
  const misses = [];
  for (const [want, x, y] of queries) {
    const cx = w / 2 + x * scale, cy = h / 2 - y * scale, tol = want === 'grey' ? 1.5 : 2;
    let greys = 0, others = 0, seen = 0;
    for (let j = Math.trunc(cy - tol - 1); j <= cy + tol; j++) {
      for (let i = Math.trunc(cx - tol - 1); i <= cx + tol; i++) {
        if (i < 0 || j < 0 || i >= w || j >= h) continue;
        if ((i + 0.5 - cx) ** 2 > tol ** 2 || (j + 0.5 - cy) ** 2 > tol ** 2) continue;
        const k = kind(i, j);
        seen++, (greys += k === 'grey'), (others += k !== 'white');
      }
    }
    if (!seen || (want === 'grey' ? !greys : others)) misses.push(`${want} at (${x.toFixed(2)}, ${y.toFixed(2)})`);
  }
  return misses;
}

const profile = mkdtempSync(join(tmpdir(), `robot-oxel-${engine}-`));
const browser = await puppeteer.launch(chromium
  ? { executablePath: '/usr/bin/chromium', headless: true, userDataDir: profile,
    args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run', '--disable-background-networking',
      '--disable-component-update', '--disable-sync'] }
  : { browser: 'firefox', executablePath: '/usr/bin/firefox-esr', headless: false, userDataDir: profile });
// Whatever the site's server answers with an error (a favicon) is a fault.
const { base, errors } = await serve(site);
const page = (await browser.pages())[0];
page.on('pageerror', (error) => check(false, 'the page throws nothing', error.message));
await page.setViewport({ width: 900, height: 700 });
const cdp = chromium && (await page.createCDPSession());
const wait = (ms) => new Promise((resolve) => setTimeout(resolve, ms));
const [canvas, dialog] = ['canvas.client', '.frame:not(.sizable)'];
const all = (selector, on = page) => on.$$(selector);
// The nth match, once there is one: a menu's popup comes when the program has taken the click.
const nth = async (selector, n) => {
  await page.waitForFunction((s, n) => document.querySelectorAll(s).length > n, { timeout: 10000 }, selector, n).catch(() => {});
  return (await all(selector))[n];
};
const box = async (selector, on = page) => (await on.$(selector))?.boundingBox() ?? null;
const text = (selector, on = page) => on.$eval(selector, (e) => e.textContent);
const visible = async (selector) => (await page.$(selector))?.isVisible() ?? false;
const appears = (selector, on = page, timeout = 10000) => on.waitForSelector(selector, { visible: true, timeout }).then(() => true, () => false);
const goes = (selector) => page.waitForSelector(selector, { hidden: true, timeout: 10000 }).then(() => true, () => false);
const shoot = async () => PNG.sync.read(Buffer.from(await page.screenshot({ clip: await box(canvas), captureBeyondViewport: false })));
const scenes = readScenes(readFileSync(scenesFile, 'utf8'));
const rest = (model) => scenes.find((s) => s.model === model && !s.keys.length);
const keyName = { Left: 'ArrowLeft', Right: 'ArrowRight', Up: 'ArrowUp', Down: 'ArrowDown' };
const partner = { 1: '2', 2: '1', 3: '4', 4: '3', 5: '6', 6: '5', Left: 'Right', Right: 'Left', Up: 'Down', Down: 'Up' };

// A key or a chord such as Alt+f, count times.
async function press(key, count = 1) {
  const keys = key.split('+').map((k) => keyName[k] ?? k);
  for (let i = 0; i < count; i++) {
    for (const k of keys.slice(0, -1)) await page.keyboard.down(k);
    await page.keyboard.press(keys.at(-1));
    for (const k of keys.slice(0, -1).reverse()) await page.keyboard.up(k);
  }
}

// Waits for a settled frame (two equal screenshots) that passes the predictions.
async function expectScene(what, scene) {
  let previous = null, misses = [];
  for (const deadline = Date.now() + 10000; Date.now() < deadline; await wait(100)) {
    const frame = await shoot();
    misses = probe(frame, scene.queries);
    if (!misses.length && previous?.data.equals(frame.data)) return check(true, what), frame;
    previous = frame;
  }
  check(false, what, `frame is not '${scene.name}': ` + misses.join(', '));
}

// Until the .wasm arrives, the page shows the window's frame with "Loading…".
async function start() {
  let release;
  const arrived = new Promise((resolve) => (release = resolve));
  await page.setRequestInterception(true);
  const hold = async (request) => {
    if (request.url().endsWith('/robot-oxel.wasm')) await arrived;
    request.continue();
  };
  page.on('request', hold);
  await page.goto(base, { waitUntil: 'domcontentloaded' });
  const loading = await page.waitForFunction(() => [...document.querySelectorAll('.frame')]
    .some((f) => f.textContent.includes('Robot Oxel') && f.textContent.includes('Loading\u2026')), { timeout: 5000 }).then(() => true, () => false);
  check(loading, 'the frame shows before the program');
  release();
  const first = await expectScene(`the first frame is '${scenes[0].name}'`, scenes[0]);
  page.off('request', hold);
  await page.setRequestInterception(false);
  return first;
}

// The ended page, wholly inside the visible viewport, with its exit code and cause.
async function expectEnded(how, code = '0', cause = '', on = page) {
  await appears('#ended', on);
  const [b, width, height] = [await box('#ended', on), ...(await on.evaluate(() => [innerWidth, innerHeight]))];
  const seen = b && b.x >= 0 && b.y >= 0 && b.x + b.width <= width && b.y + b.height <= height;
  check(seen && (await text('#exit-code', on)) === code && (await text('#exit-cause', on)).includes(cause),
    `${how} ends the program with code ${code}, in view`, `${JSON.stringify(b)} in ${width} x ${height}`);
}

await start();

for (const scene of scenes) {
  await press('Alt+f'), await press('ArrowRight'), await press('ArrowDown', scene.model), await press('Enter');
  for (const [key, count] of scene.keys) await press(key, +count);
  await expectScene(`'${scene.name}' by keyboard`, scene);
  for (const [key, count] of scene.keys) await press(partner[key], +count);
  await expectScene(`'${scene.name}' undone by the partner keys`, rest(scene.model));
}

const title = (n) => nth('.menubar .title', n);
const checks = async () => (await nth('.popup .item', 3), page.$$eval('.popup .check', (marks) => marks.map((m) => m.textContent !== '')));
for (const model of [3, 1, 2, 0]) {
  await press('ArrowLeft', 3);
  await (await title(1)).click();
  await (await nth('.popup .item', model)).click();
  await expectScene(`model ${model} by mouse, unturned`, rest(model));
  await (await title(1)).click();
  const marks = await checks();
  check(marks.filter(Boolean).length === 1 && marks[model], `model ${model} alone has a check mark`, `${marks}`);
  await (await title(1)).click();
}

// What assistive technology is told (Chromium's tree): roles, names and states with the Robot menu
// opened from the keyboard, the lit item as the bar's active descendant, the picture named by model and keys.
const outline = (node, indent = '') => `${indent}${node.role}${node.name ? ` "${node.name}"` : ''}${node.checked ? ' [checked]' : ''}` +
  `${node.expanded ? ' [expanded]' : ''}\n${(node.children ?? []).map((child) => outline(child, indent + '  ')).join('')}`;
const tree = async (of = '.frame') => outline(await page.accessibility.snapshot({ root: await page.$(of) }));
const named = async (name) => {
  const want = `image "Cylinder; view: ${name}; waist +4, shoulder -1, elbow 0 (key presses)"`;
  for (const deadline = Date.now() + 5000; Date.now() < deadline; await wait(100)) if ((await tree()).includes(want)) return true;
  return false;
};
if (chromium) {
  await press('Up', 2), await press('Right', 3), await press('2', 4), await press('3');
  await press('Alt+f'), await press('ArrowRight');
  const lit = () => page.evaluate(() => document.getElementById(document.activeElement.getAttribute('aria-activedescendant'))?.lastChild.textContent);
  const [seen, litFirst] = [await tree(), await lit()];
  await press('ArrowDown');
  check(seen === `region "Robot Oxel"
  StaticText "Robot Oxel"
  button "Close"
  menubar
    menuitem "File"
    menuitem "Robot" [expanded]
    menuitem "Help"
  image "Cylinder; view: 2 up, 3 right; waist +4, shoulder -1, elbow 0 (key presses)"
  menu "Robot"
    menuitemradio "Cylinder" [checked]
    menuitemradio "Arm1"
    menuitemradio "Arm2"
    menuitemradio "Robot_siatka"
` && (await all('[role=menuitem][aria-haspopup=menu]')).length === 3 &&
    litFirst === 'Cylinder' && (await lit()) === 'Arm1', 'the window as assistive technology sees it', `${seen}\n${litFirst}`);
  await press('Escape', 2), await press('Up');
  const counted = await named('3 up, 3 right');
  await press('Alt+f'), await press('ArrowRight'), await press('Enter');
  check(counted && (await named('unturned')), 'the picture\'s name counts the keys the window got, its turns until a choice');
  await press('1', 4), await press('4');
}

const glStrings = await page.evaluate(() => {
  const gl = document.createElement('canvas').getContext('webgl');
  const info = gl.getExtension('WEBGL_debug_renderer_info');
  return [info ? info.UNMASKED_VENDOR_WEBGL : gl.VENDOR, info ? info.UNMASKED_RENDERER_WEBGL : gl.RENDERER,
    gl.VERSION].map((name) => gl.getParameter(name)).concat(gl.getSupportedExtensions().join(' '));
});
const item = (id) => text(`${dialog} [data-id="${id}"]`);
for (const [how, close] of [['OK', `${dialog} button`], ['its close box', `${dialog} .close`]]) {
  await press('Alt+h'), await press('Enter');
  await appears(dialog);
  const shown = await Promise.all([1000, 1001, 1002, 1003, 1005, 1007, 1008].map(item));
  check(JSON.stringify(shown.slice(0, 4)) === JSON.stringify(glStrings), 'About shows the page\'s WebGL strings',
    `${shown.slice(0, 4)} != ${glStrings}`);
  check(shown[4] !== '' && shown[5] === 'no error' && shown[6] === '', 'About shows GLU\'s version, no error');
  if (chromium) {
    // Chromium's names for the values, beside their texts.
    const names = (await cdp.send('Accessibility.getFullAXTree')).nodes.filter((n) => n.role?.value === 'definition');
    const texts = await page.$$eval(`${dialog} [role=definition]`, (values) => values.map((v) => v.textContent));
    const values = JSON.stringify(names.map((node, i) => [node.name?.value, texts[i]]));
    check((await tree(dialog)).startsWith('dialog "About OpenGL"') && values === JSON.stringify([['Vendor:', shown[0]],
      ['Renderer:', shown[1]], ['Version:', shown[2]], ['Extensions:', shown[3]], ['Version:', shown[4]], ['Extensions:', '']]),
    'About is a dialog named by its caption, each value by its label', values);
  }
  // Right after Escape is the sentinel: had Escape closed About, it would turn the view.
  await press('Escape'), await press('ArrowRight');
  check(await visible(dialog), 'Escape leaves About open');
  await page.click(close);
  check(await goes(dialog), `${how} closes About`);
  await expectScene('keys for About never reach the window', rest(0));
}

// Tab, Shift+Tab, Alt+Left/Right, Alt+D and Alt+Home are the browser's; keypad 1 is the window's, and so
// is Alt let go (Firefox would show its menu bar).
const prevented = (code, key, altKey = false, shiftKey = false, type = 'keydown') => page.evaluate(([type, init]) =>
  !document.body.dispatchEvent(new KeyboardEvent(type, { ...init, bubbles: true, cancelable: true })), [type, { code, key, altKey, shiftKey }]);
const kept = [];
for (const key of [['Tab', 'Tab'], ['Tab', 'Tab', false, true], ['ArrowLeft', 'ArrowLeft', true],
  ['ArrowRight', 'ArrowRight', true], ['KeyD', 'd', true], ['Home', 'Home', true]]) if (await prevented(...key)) kept.push(key.join('+'));
check(!kept.length && (await prevented('Numpad1', '1')) && (await prevented('AltLeft', 'Alt', false, false, 'keyup')),
  'the browser\'s keys are left to it, Alt alone is the window\'s', kept.join(', '));

// Without a touch screen the key pad starts hidden; its toggle shows it below the window.
const hidden = !(await visible('#keypad'));
await page.click('#keypad-toggle');
const [padBox, picture] = [await box('#keypad'), await box(canvas)];
check(hidden && padBox?.y >= picture.y + picture.height, 'the toggle shows the key pad below the window');
await page.click('#keypad-toggle');

// The sizing border's left edge moves the window's left side: the client area grows leftwards.
const [before, frame] = [await box(canvas), await box('.frame')];
await page.mouse.move(frame.x + 2, frame.y + frame.height / 2), await page.mouse.down();
await page.mouse.move(frame.x - 38, frame.y + frame.height / 2, { steps: 4 }), await page.mouse.up();
const after = await box(canvas);
check(after.x === before.x - 40 && after.width === before.width + 40, 'the left edge widens the window leftwards',
  `${before.x}+${before.width} -> ${after.x}+${after.width}`);
await expectScene('the widened cylinder is round and centred', rest(0));

// At 2 and 1.5 device pixels a CSS pixel the backing store is in device pixels.
for (const ratio of [2, 1.5, 1]) {
  await page.setViewport({ width: 900, height: 700, deviceScaleFactor: ratio });
  await page.goto(base);
  const ok = await page.waitForFunction((r) => {
    const c = document.querySelector('canvas.client');
    return c && c.width > 0 && c.width === Math.round(c.getBoundingClientRect().width * r);
  }, { timeout: 10000 }, ratio).then(() => true, () => false);
  check(ok, `the backing store is the CSS size x ${ratio}`);
}
await expectScene('the first frame again at 1', scenes[0]);

// A context the browser takes back: a word over the picture, About with empty GL strings, its return.
const lose = (how) => page.evaluate((how) => {
  window.loseExt ??= document.querySelector('canvas.client').getContext('webgl').getExtension('WEBGL_lose_context');
  window.loseExt[how]();
}, how);
await lose('loseContext');
check(await appears('.context-lost'), 'a lost context says so over the client area');
await press('Alt+h'), await press('Enter');
await appears(dialog);
check((await item(1000)) === '', 'About opens on a lost context, its GL strings empty');
await press('Enter');
check(await goes(dialog), 'Enter closes that About');
await lose('restoreContext');
await goes('.context-lost');
await expectScene('the picture returns with the context', scenes[0]);

// A phone, 360 x 640 at 2 device pixels a CSS pixel, touch only: the window fitted, its key pad below.
if (chromium) {
  await page.setViewport({ width: 360, height: 640, deviceScaleFactor: 2, isMobile: true, hasTouch: true });
  const touch = (type, { x, y, width, height }) =>
    cdp.send('Input.dispatchTouchEvent', { type, touchPoints: type === 'touchEnd' ? [] : [{ x: x + width / 2, y: y + height / 2 }] });
  const tap = async (element, hold = 50) => {
    const b = await element.boundingBox();
    await touch('touchStart', b), await wait(hold), await touch('touchEnd', b);
  };
  const padKey = (name) => page.$(`::-p-aria([name="${name}"][role="button"])`);
  await page.goto(base);
  await expectScene('a phone shows the first frame', scenes[0]);
  const fit = await page.evaluate(() => {
    const rect = (selector) => document.querySelector(selector).getBoundingClientRect();
    const [frame, client, pad] = [rect('.frame'), rect('canvas.client'), rect('#keypad')];
    const small = [...document.querySelectorAll('.title, .close, #tools button')].map((e) => e.getBoundingClientRect())
      .filter((r) => r.width < 43.9 || r.height < 43.9).length;
    return { frame: [frame.left, frame.right, frame.width], width: [document.querySelector('canvas.client').width, client.width * 2],
      below: pad.top >= client.bottom, small };
  });
  check(fit.frame[0] >= 0 && fit.frame[1] <= 360 && fit.frame[2] < 400 && Math.round(fit.width[1]) === fit.width[0] &&
    fit.below && !fit.small, 'a phone: the window fits, the picture in device pixels, the key pad below, targets 44 px', JSON.stringify(fit));
  await tap(await title(1)), await tap(await nth('.popup .item', 3));
  const robot = await expectScene('a phone: Robot_siatka picked by touch', rest(3));
  for (const key of ['Up', 'Down', 'Left', 'Right', '1', '2', '3', '4', '5', '6']) {
    await tap(await padKey(key)), await wait(300);
    const moved = !(await shoot()).data.equals(robot.data);
    await press(partner[key]), await wait(300);
    check(moved && (await shoot()).data.equals(robot.data), `the key pad's ${key} presses ${key}`);
  }
  // Held for a second, a key repeats (about 7 times) and stops when let go.
  await tap(await padKey('Left'), 1000);
  let presses = 0;
  for (; presses < 20 && !(await shoot()).data.equals(robot.data); presses++) await press('Right'), await wait(200);
  check(presses >= 4 && presses <= 12, 'a key pad key held repeats, and stops when let go', `${presses} presses`);
  // About opens by touch at the client area's origin, as on Windows, in the scaled desktop.
  await tap(await title(2)), await tap(await nth('.popup .item', 0));
  await appears(dialog);
  const [about, client] = [await box(`${dialog} .dialog-client`), await box(canvas)];
  check(Math.abs(about.x - client.x) < 1 && Math.abs(about.y - client.y) < 1, 'a phone: About at the client area\'s origin',
    `${about.x},${about.y} vs ${client.x},${client.y}`);
  await tap(await page.$(`${dialog} button`));
  await goes(dialog);
  // The corner dragged 40 px follows the mouse: 40 / scale desktop pixels.
  const [corner, scale] = [await box('.frame'), await page.evaluate(() => +document.getElementById('desktop').style.getPropertyValue('--fit'))];
  await page.mouse.move(corner.x + corner.width - 1, corner.y + corner.height - 1), await page.mouse.down();
  await page.mouse.move(corner.x + corner.width - 41, corner.y + corner.height - 1, { steps: 4 }), await page.mouse.up();
  const width = await page.$eval('.frame', (f) => f.offsetWidth);
  check(Math.abs(width - (400 - 40 / scale)) < 2, 'a phone: the sizing border follows the mouse', `${width} at scale ${scale}`);
}

await press('F10'), await press('ArrowDown'), await press('Enter');
await expectEnded('File/Exit');
await Promise.all([page.waitForNavigation(), page.click('#restart')]);
check(page.url() === base, 'Start again reloads the page');
await expectScene('Start again shows the first frame', scenes[0]);
await page.click('.frame .close');
await expectEnded('the close box');

// A browser that gives no WebGL context: the program ends, saying why, in view.
const bare = await browser.newPage();
await bare.evaluateOnNewDocument(() => {
  const get = HTMLCanvasElement.prototype.getContext;
  HTMLCanvasElement.prototype.getContext = function (kind, ...rest) { return kind === 'webgl' ? null : get.call(this, kind, ...rest); };
});
await bare.goto(base);
await expectEnded('no WebGL', '1', 'WebGL', bare);

// Each file as the browser accepts it: brotli, gzip or plain, of the right type, varying by the header.
const fetchAs = (file, accept) => new Promise((resolve) => get(base + file, { headers: { 'Accept-Encoding': accept } },
  (response) => { const parts = []; response.on('data', (part) => parts.push(part)).on('end', () => resolve([response.headers, Buffer.concat(parts)])); }));
const decode = { br: brotliDecompressSync, gzip: gunzipSync, undefined: (body) => body };
for (const [file, accept, encoding, type] of [['robot-oxel.wasm', 'gzip, deflate, br', 'br', 'application/wasm'],
  ['robot-oxel.js', 'gzip, br;q=0', 'gzip', 'text/javascript'], ['index.html', 'identity', undefined, 'text/html']]) {
  const [headers, body] = await fetchAs(file, accept);
  check(headers['content-encoding'] === encoding && headers['content-type'].startsWith(type) && /Accept-Encoding/.test(headers.vary) &&
    decode[encoding](body).equals(readFileSync(join(site, file))), `${file} served ${encoding ?? 'plain'} for '${accept}'`, JSON.stringify(headers));
}
check(!errors.length, 'the server answered no request with an error', errors.join('\n'));

await browser.close();
rmSync(profile, { recursive: true, force: true });
console.log(`${engine}: ${passed} passed, ${failed} failed`);
process.exit(failed ? 1 : 0);
