#!/usr/bin/env bash
# Builds the browser version and takes the README's screenshots of it in
# Debian's headless Chromium: the robot posed and turned, with the window's
# frame, as docs/images/browser.png, and on a phone (360 x 640, touch) with
# the key pad below it, as docs/images/phone.png.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/web-build.sh >/dev/null
node --input-type=module <<'EOF_JS'
import { createRequire } from 'node:module';
const require = createRequire(`${process.cwd()}/tests/web/package.json`);
const puppeteer = require('puppeteer-core');
const { serve } = await import(`${process.cwd()}/tests/web/serve.mjs`);
const { base } = await serve('build-web/site');
const browser = await puppeteer.launch({ executablePath: '/usr/bin/chromium', headless: true,
  args: ['--no-sandbox', '--disable-gpu', '--no-first-run', '--disable-background-networking'] });
const settle = () => new Promise((resolve) => setTimeout(resolve, 500));
const page = await browser.newPage();
await page.setViewport({ width: 500, height: 500 });
await page.goto(base);
await page.waitForSelector('canvas.client');
const press = async (key, count = 1, alt = false) => {
  for (let i = 0; i < count; i++) {
    if (alt) await page.keyboard.down('Alt');
    await page.keyboard.press(key);
    if (alt) await page.keyboard.up('Alt');
  }
};
// Robot_siatka with waist 30, shoulder -30, elbow -60, seen a little from above and the right.
await press('f', 1, true), await press('ArrowRight'), await press('ArrowDown', 3), await press('Enter');
await press('2', 30), await press('3', 30), await press('5', 60), await press('ArrowDown', 4), await press('ArrowRight', 3);
await settle();
await page.screenshot({ path: 'docs/images/browser.png', clip: { x: 40, y: 40, width: 420, height: 420 } });
const phone = await browser.newPage();
await phone.setViewport({ width: 360, height: 640, deviceScaleFactor: 2, isMobile: true, hasTouch: true });
await phone.goto(base);
await phone.waitForSelector('canvas.client');
await (await phone.$$('.menubar .title'))[1].tap(), await (await phone.$$('.popup .item'))[3].tap();
for (const [key, count] of [['3', 30], ['Down', 4], ['Right', 3]])
  for (let i = 0; i < count; i++) await phone.$(`::-p-aria([name="${key}"][role="button"])`).then((button) => button.tap());
await settle();
await phone.screenshot({ path: 'docs/images/phone.png' });
await browser.close();
console.log('docs/images/browser.png docs/images/phone.png');
EOF_JS
