#!/usr/bin/env bash
# Builds the browser version and takes the README's screenshots of it in
# Debian's headless Chromium: the robot posed and turned, with the window's
# frame, as docs/images/browser.png, and on a phone (360 x 640, touch) with
# the key pad below it, as docs/images/phone.png.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/web-build.sh >/dev/null
SITE=$PWD/build-web/site node --input-type=module <<'EOF_JS'
import { createRequire } from 'node:module';
const require = createRequire(`${process.cwd()}/tests/web/package.json`);
const { chromium } = require('playwright-core');
const browser = await chromium.launch({ executablePath: '/usr/bin/chromium',
  args: ['--headless', '--no-sandbox', '--disable-gpu', '--no-first-run', '--disable-background-networking'] });
const page = await browser.newPage({ viewport: { width: 500, height: 500 } });
await page.route('http://robot-oxel.test/**', (route) =>
  route.fulfill({ path: process.env.SITE + (new URL(route.request().url()).pathname.replace(/\/$/, '/index.html')) }));
await page.goto('http://robot-oxel.test/');
const press = async (key, count = 1) => { for (let i = 0; i < count; i++) await page.keyboard.press(key); };
// Robot_siatka with waist 30, shoulder -30, elbow -60, seen a little from above and the right.
await press('Alt+f'), await press('ArrowRight'), await press('ArrowDown', 3), await press('Enter');
await press('2', 30), await press('3', 30), await press('5', 60), await press('ArrowDown', 4), await press('ArrowRight', 3);
await page.waitForTimeout(500);
await page.screenshot({ path: 'docs/images/browser.png', clip: { x: 40, y: 40, width: 420, height: 420 } });
const phone = await browser.newPage({ viewport: { width: 360, height: 640 }, deviceScaleFactor: 2, isMobile: true, hasTouch: true });
await phone.route('http://robot-oxel.test/**', (route) =>
  route.fulfill({ path: process.env.SITE + (new URL(route.request().url()).pathname.replace(/\/$/, '/index.html')) }));
await phone.goto('http://robot-oxel.test/');
await phone.locator('.menubar .title').nth(1).tap(), await phone.locator('.popup .item').nth(3).tap();
for (const [key, count] of [['3', 30], ['Down', 4], ['Right', 3]])
  for (let i = 0; i < count; i++) await phone.getByRole('button', { name: key, exact: true }).tap();
await phone.waitForTimeout(500);
await phone.screenshot({ path: 'docs/images/phone.png' });
await browser.close();
console.log('docs/images/browser.png docs/images/phone.png');
EOF_JS
