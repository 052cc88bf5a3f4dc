// Robot Oxel's browser build in Debian's headless Chromium, worked as its users work it: by
// keyboard, mouse and touch, on a desktop and a phone, through the accessibility tree, on a
// lost context and with no WebGL, loading and served compressed.
// Usage: node browser_test.mjs SITE_DIR SCENES_FILE
import { chromium } from 'playwright-core';
import { PNG } from 'pngjs';
import { spawn } from 'node:child_process';
import { get } from 'node:http';
import { mkdtempSync, readFileSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { fileURLToPath } from 'node:url';
import { brotliDecompressSync, gunzipSync } from 'node:zlib';

const [site, scenesFile] = process.argv.slice(2);
let passed = 0;
let failed = 0;
function check(ok, what, detail = '') {
  ok ? passed++ : failed++;
  console.log(`${ok ? 'ok' : 'FAIL'}: ${what}${ok || !detail ? '' : '\n  ' + detail}`);
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

const profile = mkdtempSync(join(tmpdir(), 'robot-oxel-chromium-'));
const context = await chromium.launchPersistentContext(profile, {
  executablePath: '/usr/bin/chromium',
  args: ['--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
    '--disable-background-networking', '--disable-component-update', '--disable-sync'],
  viewport: { width: 900, height: 700 },
});
// The site, served by scripts/web-serve.py; whatever it answers with an error (a favicon) is a fault.
const server = spawn('python3', [fileURLToPath(new URL('../../scripts/web-serve.py', import.meta.url)), site, '0']);
const base = await new Promise((resolve) => server.stdout.once('data', (line) => resolve(`${line}`.trim())));
const errors = [];
server.stderr.on('data', (log) => errors.push(...`${log}`.split('\n').filter((line) => / [45]\d\d /.test(line))));
const page = context.pages()[0];
const canvas = page.locator('canvas.client');
const dialog = page.locator('.frame:not(.sizable)');
const wait = (ms) => page.waitForTimeout(ms);
// The canvas as shown, through CDP: playwright's own screenshot misplaces it on an emulated phone.
const cdp = await context.newCDPSession(page);
const shoot = async () => {
  const clip = await canvas.evaluate((c) => { const b = c.getBoundingClientRect(); return { x: b.x, y: b.y, width: b.width, height: b.height, scale: 1 }; });
  return PNG.sync.read(Buffer.from((await cdp.send('Page.captureScreenshot', { format: 'png', clip })).data, 'base64'));
};
const scenes = readScenes(readFileSync(scenesFile, 'utf8'));
const rest = (model) => scenes.find((s) => s.model === model && !s.keys.length);
const keyName = { Left: 'ArrowLeft', Right: 'ArrowRight', Up: 'ArrowUp', Down: 'ArrowDown' };
const partner = { 1: '2', 2: '1', 3: '4', 4: '3', 5: '6', 6: '5', Left: 'Right', Right: 'Left', Up: 'Down', Down: 'Up' };

async function press(key, count = 1) {
  for (let i = 0; i < count; i++) await page.keyboard.press(keyName[key] ?? key);
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
  await page.route('**/robot-oxel.wasm', async (route) => (await arrived, route.continue()));
  await page.goto(base, { waitUntil: 'commit' });
  const loading = page.locator('.frame').filter({ hasText: 'Robot Oxel' }).getByText('Loading\u2026');
  check(await loading.waitFor({ timeout: 5000 }).then(() => true, () => false), 'the frame shows before the program');
  release();
  return expectScene(`the first frame is '${scenes[0].name}'`, scenes[0]);
}

// The ended page, wholly inside the visible viewport, with its exit code and cause.
async function expectEnded(how, code = '0', cause = '', on = page) {
  const ended = on.locator('#ended');
  await ended.waitFor({ timeout: 10000 }).catch(() => {});
  const [box, width, height] = [await ended.boundingBox(), ...(await on.evaluate(() => [innerWidth, innerHeight]))];
  const seen = box && box.x >= 0 && box.y >= 0 && box.x + box.width <= width && box.y + box.height <= height;
  check(seen && (await on.locator('#exit-code').textContent()) === code &&
    (await on.locator('#exit-cause').textContent()).includes(cause), `${how} ends the program with code ${code}, in view`,
  `${JSON.stringify(box)} in ${width} x ${height}`);
}

await start();

for (const scene of scenes) {
  await press('Alt+f'), await press('ArrowRight'), await press('ArrowDown', scene.model), await press('Enter');
  for (const [key, count] of scene.keys) await press(key, +count);
  await expectScene(`'${scene.name}' by keyboard`, scene);
  for (const [key, count] of scene.keys) await press(partner[key], +count);
  await expectScene(`'${scene.name}' undone by the partner keys`, rest(scene.model));
}

const titles = page.locator('.menubar .title');
const checks = async () => (await page.locator('.popup .check').allTextContents()).map((t) => t !== '');
for (const model of [3, 1, 2, 0]) {
  await press('ArrowLeft', 3);
  await titles.nth(1).click();
  await page.locator('.popup .item').nth(model).click();
  await expectScene(`model ${model} by mouse, unturned`, rest(model));
  await titles.nth(1).click();
  const marks = await checks();
  check(marks.filter(Boolean).length === 1 && marks[model], `model ${model} alone has a check mark`, `${marks}`);
  await titles.nth(1).click();
}
// What assistive technology is told: roles, names and states with the Robot menu opened from the
// keyboard, the lit item as the bar's active descendant, the picture named by model and keys.
await press('Up', 2), await press('Right', 3), await press('2', 4), await press('3');
await press('Alt+f'), await press('ArrowRight');
const lit = () => page.evaluate(() => document.getElementById(document.activeElement.getAttribute('aria-activedescendant'))?.lastChild.textContent);
const [tree, litFirst] = [await page.locator('.frame').ariaSnapshot(), await lit()];
await press('ArrowDown');
check(tree === `- region "Robot Oxel":
  - text: Robot Oxel
  - button "Close": ✕
  - menubar:
    - menuitem "File"
    - menuitem "Robot" [expanded]
    - menuitem "Help"
  - 'img "Cylinder; view: 2 up, 3 right; waist +4, shoulder -1, elbow 0 (key presses)"'
  - menu "Robot":
    - menuitemradio "Cylinder" [checked]
    - menuitemradio "Arm1"
    - menuitemradio "Arm2"
    - menuitemradio "Robot_siatka"` && (await page.locator('[role=menuitem][aria-haspopup=menu]').count()) === 3 &&
  litFirst === 'Cylinder' && (await lit()) === 'Arm1', 'the window as assistive technology sees it', `${tree}\n${litFirst}`);
const named = (name) => page.getByRole('img', { name: `Cylinder; view: ${name}; waist +4, shoulder -1, elbow 0 (key presses)` })
  .waitFor({ timeout: 5000 }).then(() => true, () => false);
await press('Escape', 2), await press('Up');
const counted = await named('3 up, 3 right');
await press('Alt+f'), await press('ArrowRight'), await press('Enter');
check(counted && (await named('unturned')), 'the picture\'s name counts the keys the window got, its turns until a choice');
await press('1', 4), await press('4');

const glStrings = await page.evaluate(() => {
  const gl = document.createElement('canvas').getContext('webgl');
  const info = gl.getExtension('WEBGL_debug_renderer_info');
  return [info ? info.UNMASKED_VENDOR_WEBGL : gl.VENDOR, info ? info.UNMASKED_RENDERER_WEBGL : gl.RENDERER,
    gl.VERSION].map((name) => gl.getParameter(name)).concat(gl.getSupportedExtensions().join(' '));
});
const item = (id) => dialog.locator(`[data-id="${id}"]`).textContent();
for (const [how, close] of [
  ['OK', () => dialog.locator('button').click()],
  ['its close box', () => dialog.locator('.close').click()],
]) {
  await press('Alt+h'), await press('Enter');
  await dialog.waitFor({ timeout: 10000 });
  const shown = await Promise.all([1000, 1001, 1002, 1003, 1005, 1007, 1008].map(item));
  check(JSON.stringify(shown.slice(0, 4)) === JSON.stringify(glStrings), 'About shows the page\'s WebGL strings',
    `${shown.slice(0, 4)} != ${glStrings}`);
  check(shown[4] !== '' && shown[5] === 'no error' && shown[6] === '', 'About shows GLU\'s version, no error');
  // Chromium's names for the values (playwright's getByRole names no definition), beside their texts.
  const names = (await cdp.send('Accessibility.getFullAXTree')).nodes.filter((n) => n.role?.value === 'definition');
  const texts = await dialog.locator('[role=definition]').allTextContents();
  const values = JSON.stringify(names.map((node, i) => [node.name?.value, texts[i]]));
  check((await page.getByRole('dialog', { name: 'About OpenGL' }).count()) === 1 && values === JSON.stringify([['Vendor:', shown[0]],
    ['Renderer:', shown[1]], ['Version:', shown[2]], ['Extensions:', shown[3]], ['Version:', shown[4]], ['Extensions:', '']]),
  'About is a dialog named by its caption, each value by its label', values);
  // Right after Escape is the sentinel: had Escape closed About, it would turn the view.
  await press('Escape'), await press('ArrowRight');
  check(await dialog.isVisible(), 'Escape leaves About open');
  await close();
  await dialog.waitFor({ state: 'detached', timeout: 10000 }).catch(() => {});
  check(!(await dialog.count()), `${how} closes About`);
  await expectScene('keys for About never reach the window', rest(0));
}

// Tab, Shift+Tab, Alt+Left/Right, Alt+D and Alt+Home are the browser's; keypad 1 is the window's.
const prevented = (code, key, altKey = false, shiftKey = false) => page.evaluate((init) =>
  !document.body.dispatchEvent(new KeyboardEvent('keydown', { ...init, bubbles: true, cancelable: true })), { code, key, altKey, shiftKey });
const kept = [];
for (const key of [['Tab', 'Tab'], ['Tab', 'Tab', false, true], ['ArrowLeft', 'ArrowLeft', true],
  ['ArrowRight', 'ArrowRight', true], ['KeyD', 'd', true], ['Home', 'Home', true]]) if (await prevented(...key)) kept.push(key.join('+'));
check(!kept.length && (await prevented('Numpad1', '1')), 'the browser\'s keys are left to it', kept.join(', '));

// Without a touch screen the key pad starts hidden; its toggle shows it below the window.
const [pad, toggle] = [page.locator('#keypad'), page.locator('#keypad-toggle')];
const hidden = !(await pad.isVisible());
await toggle.click();
const [padBox, picture] = [await pad.boundingBox(), await canvas.boundingBox()];
check(hidden && padBox?.y >= picture.y + picture.height, 'the toggle shows the key pad below the window');
await toggle.click();

// The sizing border's left edge moves the window's left side: the client area grows leftwards.
const [before, frame] = [await canvas.boundingBox(), await page.locator('.frame').boundingBox()];
await page.mouse.move(frame.x + 2, frame.y + frame.height / 2), await page.mouse.down();
await page.mouse.move(frame.x - 38, frame.y + frame.height / 2, { steps: 4 }), await page.mouse.up();
const after = await canvas.boundingBox();
check(after.x === before.x - 40 && after.width === before.width + 40, 'the left edge widens the window leftwards',
  `${before.x}+${before.width} -> ${after.x}+${after.width}`);
await expectScene('the widened cylinder is round and centred', rest(0));

// At 2 and 1.5 device pixels a CSS pixel the backing store is in device pixels (screenshots come at 1).
for (const ratio of [2, 1.5, 1]) {
  await cdp.send('Emulation.setDeviceMetricsOverride', { width: 900, height: 700, deviceScaleFactor: ratio, mobile: false });
  await page.goto(base);
  const ok = await page.waitForFunction((r) => {
    const c = document.querySelector('canvas.client');
    return c && c.width > 0 && c.width === Math.round(c.getBoundingClientRect().width * r);
  }, ratio, { timeout: 10000 }).then(() => true, () => false);
  check(ok, `the backing store is the CSS size x ${ratio}`);
}
await expectScene('the first frame again at 1', scenes[0]);

// A context the browser takes back: a word over the picture, About with empty GL strings, its return.
const lose = (how) => page.evaluate((how) => {
  window.loseExt ??= document.querySelector('canvas.client').getContext('webgl').getExtension('WEBGL_lose_context');
  window.loseExt[how]();
}, how);
await lose('loseContext');
const notice = page.locator('.context-lost');
await notice.waitFor({ timeout: 10000 }).catch(() => {});
check(await notice.isVisible(), 'a lost context says so over the client area');
await press('Alt+h'), await press('Enter');
await dialog.waitFor({ timeout: 10000 });
check((await item(1000)) === '', 'About opens on a lost context, its GL strings empty');
await press('Enter');
await dialog.waitFor({ state: 'detached', timeout: 10000 }).catch(() => {});
check(!(await dialog.count()), 'Enter closes that About');
await lose('restoreContext');
await notice.waitFor({ state: 'hidden', timeout: 10000 }).catch(() => {});
await expectScene('the picture returns with the context', scenes[0]);

// A phone, 360 x 640 at 2 device pixels a CSS pixel, touch only: the window fitted, its key pad below.
await page.setViewportSize({ width: 360, height: 640 });
await cdp.send('Emulation.setDeviceMetricsOverride', { width: 360, height: 640, deviceScaleFactor: 2, mobile: true });
await cdp.send('Emulation.setTouchEmulationEnabled', { enabled: true, maxTouchPoints: 1 });
const touch = (type, { x, y, width, height }) => cdp.send('Input.dispatchTouchEvent', { type, touchPoints: type === 'touchEnd' ? [] : [{ x: x + width / 2, y: y + height / 2 }] });
const tap = async (locator, hold = 50) => { const box = await locator.boundingBox(); await touch('touchStart', box), await wait(hold), await touch('touchEnd', box); };
const padKey = (name) => page.getByRole('button', { name, exact: true });
await page.goto(base);
await expectScene('a phone shows the first frame', scenes[0]);
const fit = await page.evaluate(() => {
  const box = (selector) => document.querySelector(selector).getBoundingClientRect();
  const [frame, client, pad] = [box('.frame'), box('canvas.client'), box('#keypad')];
  const small = [...document.querySelectorAll('.title, .close, #tools button')].map((e) => e.getBoundingClientRect())
    .filter((r) => r.width < 43.9 || r.height < 43.9).length;
  return { frame: [frame.left, frame.right, frame.width], width: [document.querySelector('canvas.client').width, client.width * 2],
    below: pad.top >= client.bottom, small };
});
check(fit.frame[0] >= 0 && fit.frame[1] <= 360 && fit.frame[2] < 400 && Math.round(fit.width[1]) === fit.width[0] &&
  fit.below && !fit.small, 'a phone: the window fits, the picture in device pixels, the key pad below, targets 44 px', JSON.stringify(fit));
await tap(titles.nth(1)), await tap(page.locator('.popup .item').nth(3));
const robot = await expectScene('a phone: Robot_siatka picked by touch', rest(3));
for (const key of ['Up', 'Down', 'Left', 'Right', '1', '2', '3', '4', '5', '6']) {
  await tap(padKey(key)), await wait(300);
  const moved = !(await shoot()).data.equals(robot.data);
  await press(partner[key]), await wait(300);
  check(moved && (await shoot()).data.equals(robot.data), `the key pad's ${key} presses ${key}`);
}
// Held for a second, a key repeats (about 7 times) and stops when let go.
await tap(padKey('Left'), 1000);
let presses = 0;
for (; presses < 20 && !(await shoot()).data.equals(robot.data); presses++) await press('Right'), await wait(200);
check(presses >= 4 && presses <= 12, 'a key pad key held repeats, and stops when let go', `${presses} presses`);
// About opens by touch at the client area's origin, as on Windows, in the scaled desktop.
await tap(titles.nth(2)), await tap(page.locator('.popup .item').nth(0));
await dialog.waitFor({ timeout: 10000 });
const [about, client] = [await dialog.locator('.dialog-client').boundingBox(), await canvas.boundingBox()];
check(Math.abs(about.x - client.x) < 1 && Math.abs(about.y - client.y) < 1, 'a phone: About at the client area\'s origin',
  `${about.x},${about.y} vs ${client.x},${client.y}`);
await tap(dialog.locator('button'));
await dialog.waitFor({ state: 'detached', timeout: 10000 }).catch(() => {});
// The corner dragged 40 px follows the mouse: 40 / scale desktop pixels.
const [corner, scale] = [await page.locator('.frame').boundingBox(), await page.evaluate(() => +document.getElementById('desktop').style.getPropertyValue('--fit'))];
await page.mouse.move(corner.x + corner.width - 1, corner.y + corner.height - 1), await page.mouse.down();
await page.mouse.move(corner.x + corner.width - 41, corner.y + corner.height - 1, { steps: 4 }), await page.mouse.up();
const width = await page.locator('.frame').evaluate((frame) => frame.offsetWidth);
check(Math.abs(width - (400 - 40 / scale)) < 2, 'a phone: the sizing border follows the mouse', `${width} at scale ${scale}`);

await press('F10'), await press('ArrowDown'), await press('Enter');
await expectEnded('File/Exit');
await page.locator('#restart').click();
await page.waitForURL(base);
await expectScene('Start again shows the first frame', scenes[0]);
await page.locator('.frame .close').click();
await expectEnded('the close box');

// A browser that gives no WebGL context: the program ends, saying why, in view.
const bare = await context.newPage();
await bare.addInitScript(() => { const get = HTMLCanvasElement.prototype.getContext;
  HTMLCanvasElement.prototype.getContext = function (kind, ...rest) { return kind === 'webgl' ? null : get.call(this, kind, ...rest); }; });
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

await context.close();
server.kill();
rmSync(profile, { recursive: true, force: true });
console.log(`${passed} passed, ${failed} failed`);
process.exit(failed ? 1 : 0);
