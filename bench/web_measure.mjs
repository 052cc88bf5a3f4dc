// Measures the browser version side by side in one run and prints one
// table: the .wasm and .js gzip-compressed; the time from navigation to the
// first frame against a blank page that makes a WebGL context and clears it
// once, with the phases the start-up goes through; and whether a key press is
// drawn by the next animation frame.
// Usage: node bench/web_measure.mjs SITE_DIR [RUNS]
import { createRequire } from 'node:module';
import { readFileSync } from 'node:fs';
import { createServer } from 'node:http';
import { extname, join } from 'node:path';
import { gzipSync } from 'node:zlib';

const require = createRequire(new URL('../tests/web/package.json', import.meta.url));
const { chromium } = require('playwright-core');
const [site, runs = '15'] = process.argv.slice(2);

// The yardstick: as little as a page can do to show a WebGL frame.
const blank = `<!DOCTYPE html><canvas width="400" height="375"></canvas><script>
const gl = document.querySelector('canvas').getContext('webgl', { alpha: false, antialias: false });
gl.clearColor(1, 1, 1, 1); gl.clear(gl.COLOR_BUFFER_BIT);</script>`;
const types = { '.html': 'text/html', '.js': 'text/javascript', '.wasm': 'application/wasm' };
const server = createServer((request, response) => {
  const path = request.url === '/' ? '/index.html' : request.url;
  try {
    const body = path === '/blank.html' ? blank : readFileSync(join(site, path));
    response.writeHead(200, { 'Content-Type': types[extname(path)] ?? 'application/octet-stream' });
    response.end(body);
  } catch {
    response.writeHead(404).end();
  }
}).listen(0, '127.0.0.1');
await new Promise((resolve) => server.on('listening', resolve));
const origin = `http://127.0.0.1:${server.address().port}`;

// In every page before its own scripts: when the program is compiled, when
// WebGL is first asked for and drawn with, the frame after it; each key
// press, and whether a draw followed before the next frame.
const hooks = () => {
  const bench = (window.bench = { firstFrame: null, lastDraw: -1, keys: [], phases: {} });
  const mark = (phase) => (bench.phases[phase] ??= performance.now());
  for (const name of ['instantiate', 'instantiateStreaming']) {
    const call = WebAssembly[name];
    WebAssembly[name] = (...args) => call(...args).then((result) => (mark('compiled'), result));
  }
  const getContext = HTMLCanvasElement.prototype.getContext;
  HTMLCanvasElement.prototype.getContext = function (...args) {
    mark('context');
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

const browser = await chromium.launch({
  executablePath: '/usr/bin/chromium',
  args: ['--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
    '--disable-background-networking', '--disable-component-update', '--disable-sync'],
});
// A fresh context per load: nothing cached from the run before.
async function firstFrame(url) {
  const context = await browser.newContext({ viewport: { width: 900, height: 700 } });
  const page = await context.newPage();
  await page.addInitScript(hooks);
  await page.goto(url);
  await page.waitForFunction(() => window.bench.firstFrame !== null);
  const phases = await page.evaluate(() => ({ ...window.bench.phases, frame: window.bench.firstFrame,
    loaded: Math.max(...performance.getEntriesByType('resource').map((e) => e.responseEnd)) }));
  return { context, page, phases };
}
const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];

const times = { app: [], blank: [] };
for (let run = 0; run < +runs; run++) {
  for (const [name, url] of [['app', `${origin}/`], ['blank', `${origin}/blank.html`]]) {
    const { context, phases } = await firstFrame(url);
    times[name].push(phases);
    await context.close();
  }
}
const phase = (name, key) => median(times[name].map((p) => p[key]));

const { context, page } = await firstFrame(`${origin}/`);
for (const key of ['Alt+f', 'ArrowRight', 'ArrowDown', 'ArrowDown', 'ArrowDown', 'Enter']) await page.keyboard.press(key);
await page.waitForTimeout(500);
await page.evaluate(() => (window.bench.keys = []));
for (let i = 0; i < 100; i++) {
  await page.keyboard.press(i % 2 ? 'ArrowLeft' : 'ArrowRight');
  await page.waitForTimeout(30);
}
await page.waitForTimeout(200);
const keys = await page.evaluate(() => window.bench.keys);
const renderer = await page.locator('.menubar').evaluate(() => {
  const gl = document.createElement('canvas').getContext('webgl');
  const info = gl.getExtension('WEBGL_debug_renderer_info');
  return info ? gl.getParameter(info.UNMASKED_RENDERER_WEBGL) : gl.getParameter(gl.RENDERER);
});
await context.close();
await browser.close();
server.close();

const kb = (file) => gzipSync(readFileSync(join(site, file)), { level: 9 }).length / 1024;
const wasm = kb('robot-oxel.wasm'), js = kb('robot-oxel.js');
const app = phase('app', 'frame'), yard = phase('blank', 'frame');
const inNext = keys.filter((k) => k.inNextFrame).length;
console.log(`| Measure | Robot Oxel | Reference | Ratio | Aim |
|---|---|---|---|---|
| robot-oxel.wasm + robot-oxel.js, gzip -9 | ${wasm.toFixed(1)} + ${js.toFixed(1)} = ${(wasm + js).toFixed(1)} KB | | | ≤ 100 KB |
| Navigation to first frame (median of ${runs}) | ${app.toFixed(0)} ms | blank WebGL page ${yard.toFixed(0)} ms | ${(app / yard).toFixed(2)} | ≤ 1.3 |
| Key to drawn, robot (median of ${keys.length}; max ${Math.max(...keys.map((k) => k.drawn)).toFixed(2)} ms) | ${median(keys.map((k) => k.drawn)).toFixed(2)} ms | next frame ${median(keys.map((k) => k.frame)).toFixed(1)} ms | ${inNext} of ${keys.length} keys in the next frame | next frame |

Chromium ${browser.version()}, WebGL renderer: ${renderer}

Start-up phases, median ms after navigation:

| Page | .js and .wasm loaded | .wasm compiled | WebGL context asked for | first drawn | first frame |
|---|---|---|---|---|---|
| Robot Oxel | ${['loaded', 'compiled', 'context', 'drawn', 'frame'].map((k) => phase('app', k).toFixed(0)).join(' | ')} |
| blank WebGL page | | | ${['context', 'drawn', 'frame'].map((k) => phase('blank', k).toFixed(0)).join(' | ')} |`);
