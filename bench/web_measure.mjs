// Measures the browser version against its floor (bench/web: the least Emscripten program that
// shows a WebGL frame, built and served the same way) in one run and prints the tables: the files'
// sizes; navigation to first frame, unthrottled and on Slow 4G, each page loaded by turns in a
// fresh browser context, with the phases the start-up goes through; and whether a key press is
// drawn by the next animation frame. Fails when a figure cannot be taken; never on a timing.
// Usage: node bench/web_measure.mjs SITE_DIR FLOOR_DIR [LOADS] [KEYS]
import { createRequire } from 'node:module';
import { readFileSync } from 'node:fs';
import { loadavg } from 'node:os';
import { join } from 'node:path';
import { gzipSync } from 'node:zlib';
import { serve } from '../tests/web/serve.mjs';

const require = createRequire(new URL('../tests/web/package.json', import.meta.url));
const puppeteer = require('puppeteer-core');
const [site, floorSite, loads = '15', keyCount = '100'] = process.argv.slice(2);

// Chrome DevTools' Slow 4G preset, as puppeteer has it: bytes per second, and milliseconds added to every request.
const networks = [['unthrottled', null], ['Slow 4G', puppeteer.PredefinedNetworkConditions['Slow 4G']]];

// Each folder served as a visitor's server would; any error either answers is a fault.
const [app, floor] = [await serve(site), await serve(floorSite)];
const pages = { app: app.base, floor: floor.base };
const errors = () => [...app.errors, ...floor.errors];

// In every page before its own scripts: when the .wasm is compiled, when WebGL is first asked for
// and drawn with, the frame after it; each key press, and whether a draw followed before the next frame.
const hooks = () => {
  const bench = (window.bench = { firstFrame: null, lastDraw: -1, keys: [], phases: {} });
  const mark = (phase) => (bench.phases[phase] ??= performance.now());
  for (const name of ['instantiate', 'instantiateStreaming']) {
    const call = WebAssembly[name];
    WebAssembly[name] = (...args) => call(...args).then((result) => (mark('compiled'), result));
  }
  const getContext = HTMLCanvasElement.prototype.getContext;
  HTMLCanvasElement.prototype.getContext = function (...args) {
    if (args[0] === 'webgl') mark('context');
    return getContext.apply(this, args);
  };
  for (const name of ['clear', 'drawArrays']) {
    const call = WebGLRenderingContext.prototype[name];
    WebGLRenderingContext.prototype[name] = function (...args) {
      if (bench.lastDraw < 0) requestAnimationFrame(() => (bench.firstFrame = performance.now()));
      mark('drawn');
      bench.lastDraw = performance.now();
      return call.apply(this, args);
    };
  }
  document.addEventListener('keydown', () => {
    const pressed = performance.now();
    requestAnimationFrame(() => bench.keys.push({ drawn: bench.lastDraw - pressed, frame: performance.now() - pressed,
      inNextFrame: bench.lastDraw > pressed }));
  }, true);
};

const browser = await puppeteer.launch({
  executablePath: '/usr/bin/chromium',
  headless: true,
  args: ['--no-sandbox', '--disable-gpu', '--disable-quic'],
  defaultViewport: { width: 900, height: 700 },
});
// A fresh context per load, so nothing is cached from the one before; the network's conditions
// are set before the page navigates.
async function load(url, network) {
  const context = await browser.createBrowserContext();
  const page = await context.newPage();
  if (network) await page.emulateNetworkConditions(network);
  await page.evaluateOnNewDocument(hooks);
  await page.goto(url, { waitUntil: 'domcontentloaded' });
  await page.waitForFunction(() => window.bench.firstFrame !== null, { timeout: 60000 });
  const phases = await page.evaluate(() => {
    const files = [...performance.getEntriesByType('navigation'), ...performance.getEntriesByType('resource')];
    return { ...window.bench.phases, frame: window.bench.firstFrame, loaded: Math.max(...files.map((e) => e.responseEnd)),
      served: files.reduce((sum, e) => sum + e.encodedBodySize, 0) };
  });
  return { context, page, phases };
}
const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];

// Run 0 is not counted: the browser's first page of each kind starts its GPU and network
// processes, which every later page finds running.
const times = {};
for (let run = 0; run <= +loads; run++) {
  for (const [network, conditions] of networks) {
    for (const name of ['app', 'floor']) {
      const { context, phases } = await load(pages[name], conditions);
      if (run) (times[`${name} ${network}`] ??= []).push(phases);
      await context.close();
    }
  }
}
const phase = (name, network, key) => median(times[`${name} ${network}`].map((p) => p[key]));

const sleep = (ms) => new Promise((resolve) => setTimeout(resolve, ms));
const { context, page } = await load(pages.app, null);
// The robot, from the Robot menu.
await page.keyboard.down('Alt');
await page.keyboard.press('f');
await page.keyboard.up('Alt');
for (const key of ['ArrowRight', 'ArrowDown', 'ArrowDown', 'ArrowDown', 'Enter']) await page.keyboard.press(key);
await sleep(500);
await page.evaluate(() => (window.bench.keys = []));
for (let i = 0; i < +keyCount; i++) {
  await page.keyboard.press(i % 2 ? 'ArrowLeft' : 'ArrowRight');
  await sleep(30);
}
await sleep(200);
const keys = await page.evaluate(() => window.bench.keys);
const renderer = await page.evaluate(() => {
  const gl = document.createElement('canvas').getContext('webgl');
  const info = gl.getExtension('WEBGL_debug_renderer_info');
  return info ? gl.getParameter(info.UNMASKED_RENDERER_WEBGL) : gl.getParameter(gl.RENDERER);
});
const version = await browser.version();
await context.close();
await browser.close();

const kb = (dir, file) => gzipSync(readFileSync(join(dir, file)), { level: 9 }).length / 1024;
const sizes = (dir, name) => {
  const wasm = kb(dir, `${name}.wasm`), js = kb(dir, `${name}.js`);
  return `${wasm.toFixed(1)} + ${js.toFixed(1)} = ${(wasm + js).toFixed(1)} KB`;
};
const served = (name) => `${(phase(name, 'unthrottled', 'served') / 1024).toFixed(1)} KB`;
const ms = (value) => `${value.toFixed(0)} ms`;
const startRows = networks.map(([network]) => {
  const app = phase('app', network, 'frame'), floor = phase('floor', network, 'frame');
  return `| Navigation to first frame, ${network} (median of ${loads}) | ${ms(app)} | ${ms(floor)} | ${(app / floor).toFixed(2)} | ≤ 1.3 |`;
});
const drawn = keys.map((k) => k.drawn), inNext = keys.filter((k) => k.inNextFrame).length;
const phaseKeys = ['loaded', 'compiled', 'context', 'drawn', 'frame'];
const phaseRows = networks.flatMap(([network]) => [['Robot Oxel', 'app'], ['floor', 'floor']].map(([title, name]) =>
  `| ${title}, ${network} | ${phaseKeys.map((k) => phase(name, network, k).toFixed(0)).join(' | ')} |`));
console.log(`| Measure | Robot Oxel | Floor | Ratio | Aim |
|---|---|---|---|---|
| .wasm + .js, gzip -9 | ${sizes(site, 'robot-oxel')} | ${sizes(floorSite, 'floor')} | | ≤ 100 KB |
| index.html + .js + .wasm as served (brotli) | ${served('app')} | ${served('floor')} | | |
${startRows.join('\n')}
| Key to drawn, robot (median of ${keys.length}; max ${Math.max(...drawn).toFixed(2)} ms) | ${median(drawn).toFixed(2)} ms | next frame ${median(keys.map((k) => k.frame)).toFixed(1)} ms | ${inNext} of ${keys.length} keys in the next frame | next frame |

Chromium ${version.replace(/^\D+\//, '')}, WebGL renderer: ${renderer}; load average ${loadavg().map((l) => l.toFixed(2)).join(', ')}

Start-up phases, median ms after navigation:

| Page | files loaded | .wasm compiled | WebGL context asked for | first drawn | first frame |
|---|---|---|---|---|---|
${phaseRows.join('\n')}`);

// Every figure taken, and nothing the servers answered with an error.
const figures = [...Object.values(times).flat().flatMap((p) => [...phaseKeys, 'served'].map((k) => p[k])), ...drawn];
const missing = figures.filter((value) => !Number.isFinite(value)).length;
if (missing || keys.length !== +keyCount || errors().length) {
  console.error(`web_measure: ${missing} figures not taken, ${keys.length} of ${keyCount} keys seen, server errors: ${errors().join('; ')}`);
  process.exit(1);
}
