// The browser test of both games' web builds, in Debian's Chromium without a screen, driven by
// puppeteer-core. For each game: the page loads without a console error, the title frame is drawn and
// matches the desktop build's first frame, a click opens the menu; bowling starts a match and bowls a
// ball with the keys and keeps a changed option over a reload; tarnhook fishes a lake, saves an angler,
// reloads the page and loads the angler back. A page whose browser refuses storage says so and plays.
// Last, the tick-rate page's figures are printed beside the native build's.
// Usage: node browser_test.js WEB_DIR NATIVE_BIN_DIR (WEB_DIR holds tarnhook/ and bowling/); with
// WEB_TEST_KEEP=1 the frames it took stay in its work folder.
'use strict';
const { execFileSync } = require('child_process');
const fs = require('fs');
const os = require('os');
const path = require('path');
const { PNG } = require('pngjs');
const puppeteer = require('puppeteer-core');
const { serve } = require('./static_server.js');
const { delay, differingShare, distinctColours, regionsDiffer } = require('./frames.js');

const webDir = path.resolve(process.argv[2] || 'build/web');
const nativeDir = path.resolve(process.argv[3] || 'build/release/bin');
const chromium = process.env.CHROMIUM || '/usr/bin/chromium';

let failures = 0;
let shotDir = os.tmpdir();
function check(ok, what) {
  console.log(`${ok ? 'ok  ' : 'FAIL'} ${what}`);
  if (!ok) failures += 1;
}

// The desktop build's title frame, taken on an X server of its own.
function desktopFrame(program, work) {
  const out = path.join(work, `${program}-desktop.png`);
  execFileSync(path.join(__dirname, 'desktop_frame.sh'), [path.join(nativeDir, program, program), out]);
  return PNG.sync.read(fs.readFileSync(out));
}

// The page as it shows now; kept as NAME.png in the work folder, which stays when a check fails.
async function shot(page, name) {
  const bytes = Buffer.from(await page.screenshot({ type: 'png' }));
  if (name) fs.writeFileSync(path.join(shotDir, `${name}.png`), bytes);
  return PNG.sync.read(bytes);
}

// Opens the game's page and waits until the program runs and has drawn its title.
async function openGame(browser, base, program, errors) {
  const page = await browser.newPage();
  await page.setViewport({ width: 640, height: 480 });
  page.on('console', (message) => { if (message.type() === 'error') errors.push(message.text()); });
  page.on('pageerror', (error) => errors.push(error.stack || error.message));
  await page.bringToFront();
  await page.goto(`${base}/${program}/`);
  await page.waitForFunction(() => document.getElementById('status').textContent === '', { timeout: 60000 });
  // The games pause while their window is not the active one, as on the desktop.
  await page.bringToFront();
  await page.focus('#canvas');
  await delay(1500);
  return page;
}

async function reload(page) {
  await page.reload();
  await page.waitForFunction(() => document.getElementById('status').textContent === '', { timeout: 60000 });
  await delay(1500);
}

async function press(page, key, holdMs = 80) {
  await page.keyboard.down(key);
  await delay(holdMs);
  await page.keyboard.up(key);
}

// A file of the per-user folder of the page's file system, or null.
async function readHomeFile(page, name) {
  return page.evaluate((file) => {
    try { return FS.readFile(file, { encoding: 'utf8' }); } catch (error) { return null; }
  }, `/home/web_user/${name}`);
}

// The title frame is the desktop's, the menu opens on a click. mask: a region that animates.
async function titleAndMenu(page, program, desktop, mask) {
  const title = await shot(page, `${program}-title`);
  check(distinctColours(title) > 64, `${program}: the title frame is drawn`);
  const share = differingShare(title, desktop, mask);
  check(share < 0.005, `${program}: the title frame matches the desktop build's (${(share * 100).toFixed(2)}% differ)`);
  await page.mouse.click(320, 240);
  await delay(1000);
  const menu = await shot(page, `${program}-menu`);
  check(differingShare(menu, title) > 0.2, `${program}: a click opens the menu`);
}

async function bowling(browser, base, work) {
  const errors = [];
  const desktop = desktopFrame('bowling', work);
  const page = await openGame(browser, base, 'bowling', errors);
  // The LED sign runs its show from the start, so its frame depends on the moment taken.
  await titleAndMenu(page, 'bowling', desktop, { x: 60, y: 135, w: 525, h: 220 });

  // Player vs. Computer: the player, the computer's player and the alley are taken as offered.
  await page.mouse.click(320, 281);
  await delay(1500);
  for (let step = 0; step < 3; ++step) {
    await page.mouse.click(457, 237);
    await delay(1500);
  }
  await delay(1500);
  const meter = { x: 440, y: 310, w: 200, h: 170 };
  const lane = { x: 200, y: 60, w: 240, h: 380 };
  const before = await shot(page, 'bowling-aiming');
  await press(page, 'Space');
  await delay(400);
  const charging = await shot(page, 'bowling-meter');
  check(regionsDiffer(before, charging, meter), 'bowling: Space starts the power meter');
  await delay(300);
  await press(page, 'Space');
  await delay(400);
  await press(page, 'Space');
  await delay(1500);
  const rolling = await shot(page, 'bowling-play');
  check(regionsDiffer(charging, rolling, lane), 'bowling: the ball is bowled down the lane');

  // An option changed in the menus is kept over a reload: Soft Shadows off, then Back.
  await reload(page);
  check(await readHomeFile(page, '.config/bowling/bowling.ini') === null,
    'bowling: a fresh browser has no options of its own yet');
  const box = { x: 110, y: 161, w: 20, h: 20 };
  await page.mouse.click(320, 240);
  await delay(1000);
  await page.mouse.click(480, 162);  // Options
  await delay(1200);
  const shadowsOn = await shot(page);
  await page.mouse.click(119, 170);
  await delay(500);
  await page.mouse.click(480, 162);  // Back
  await delay(1500);
  await reload(page);
  const kept = await readHomeFile(page, '.config/bowling/bowling.ini');
  check(kept !== null && /SoftShadows=0/i.test(kept), 'bowling: the changed option is in the browser\'s storage after a reload');
  await page.mouse.click(320, 240);
  await delay(1000);
  await page.mouse.click(480, 162);
  await delay(1200);
  check(regionsDiffer(shadowsOn, await shot(page), box), 'bowling: the reloaded options page shows the changed option');
  check(errors.length === 0, `bowling: no console errors${errors.length ? ': ' + errors.join(' | ') : ''}`);
  await page.close();
}

async function tarnhook(browser, base, work) {
  const errors = [];
  const desktop = desktopFrame('tarnhook', work);
  const page = await openGame(browser, base, 'tarnhook', errors);
  await titleAndMenu(page, 'tarnhook', desktop, null);

  // Fish Birch_Pond, then leave the trip with Escape and Enter.
  const menu = await shot(page);
  await page.mouse.click(268, 55);
  await delay(1000);
  await page.mouse.click(117, 125);
  await delay(1000);
  await page.mouse.click(374, 336);
  await delay(6000);
  const trip = await shot(page, 'tarnhook-play');
  check(differingShare(trip, menu) > 0.5, 'tarnhook: the lake is fished');
  const heap = await page.evaluate(() => HEAP8.length / 1048576);
  console.log(`     tarnhook: the heap holds ${heap} MB during the trip (it starts at 128 MB and may grow)`);
  await press(page, 'Escape');
  await delay(1500);
  await press(page, 'Enter');
  await delay(3000);
  const back = await shot(page);
  check(differingShare(back, trip) > 0.5, 'tarnhook: the trip ends back in the menus');

  // Name the angler, save it, reload the page, and load it back.
  await page.mouse.click(81, 55);  // Player
  await delay(1000);
  await page.mouse.click(270, 131);
  await press(page, 'End');
  await page.keyboard.type('Webby', { delay: 80 });
  await press(page, 'Enter');
  await delay(800);
  const statusBar = { x: 90, y: 378, w: 440, h: 40 };
  const named = await shot(page);
  await page.mouse.click(81, 337);  // save
  await delay(1000);
  await page.keyboard.type('webby', { delay: 80 });
  await delay(300);
  await press(page, 'Enter');
  await delay(1500);
  await reload(page);
  const saved = await readHomeFile(page, '.local/share/tarnhook/webby.sav');
  check(saved !== null, 'tarnhook: the saved angler is still there after a page reload');
  await page.mouse.click(320, 240);
  await delay(1000);
  const fresh = await shot(page);
  check(regionsDiffer(fresh, named, statusBar), 'tarnhook: the reloaded page starts with a new angler');
  await page.mouse.click(127, 337);  // load
  await delay(1000);
  await page.keyboard.type('webby.sav', { delay: 80 });
  await delay(300);
  await press(page, 'Enter');
  await delay(1500);
  const loaded = await shot(page, 'tarnhook-loaded');
  check(!regionsDiffer(loaded, named, statusBar), 'tarnhook: the angler is loaded back');
  check(errors.length === 0, `tarnhook: no console errors${errors.length ? ': ' + errors.join(' | ') : ''}`);
  await page.close();
}

// A browser that refuses storage: the page says so and the game still shows its title.
async function refusedStorage(browser, base) {
  const page = await browser.newPage();
  await page.setViewport({ width: 640, height: 480 });
  await page.evaluateOnNewDocument(() => {
    Object.defineProperty(window, 'indexedDB', { get() { throw new DOMException('refused', 'SecurityError'); } });
  });
  await page.bringToFront();
  await page.goto(`${base}/tarnhook/`);
  await page.waitForFunction(() => /storage/i.test(document.getElementById('status').textContent), { timeout: 60000 });
  await delay(2000);
  const frame = await shot(page);
  check(distinctColours(frame) > 64, 'tarnhook: refused storage is reported in the page and the game goes on');
  await page.close();
}

// Ticks per second of both games' busiest scenes in the page beside the native build's, printed
// with the target (speeds are reported, not checked: the machine is shared).
async function tickRates(browser, base) {
  const page = await browser.newPage();
  await page.bringToFront();
  await page.goto(`${base}/bench/`);
  await page.waitForFunction(() => window.tickRates !== undefined, { timeout: 180000, polling: 500 });
  const browserRates = await page.evaluate(() => window.tickRates);
  await page.close();
  check(browserRates !== null, 'the tick-rate page ran to its end');
  const native = execFileSync(path.join(nativeDir, '..', 'bench', 'bench_tick_rate'), [nativeDir]).toString();
  for (const game of ['tarnhook', 'bowling']) {
    const key = `${game}_ticks_per_second`;
    const nativeRate = Number((native.match(new RegExp(`${key} (\\d+)`)) || [])[1]);
    const webRate = browserRates ? browserRates[key] : 0;
    console.log(`     ${game}: ${webRate} ticks/s in the browser, ${nativeRate} native: ` +
                `${(nativeRate / webRate).toFixed(2)} x slower (target: at most 2 x)`);
  }
}

(async () => {
  const work = fs.mkdtempSync(path.join(os.tmpdir(), 'web-test-'));
  shotDir = work;
  const server = await serve(webDir, 0);
  const base = `http://127.0.0.1:${server.address().port}`;
  const browser = await puppeteer.launch({
    executablePath: chromium,
    headless: true,
    args: ['--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
      '--disable-background-networking', '--disable-component-update', '--disable-sync',
      '--enable-unsafe-swiftshader', `--user-data-dir=${path.join(work, 'profile')}`],
  });
  try {
    await tarnhook(browser, base, work);
    await bowling(browser, base, work);
    await refusedStorage(browser, base);
    await tickRates(browser, base);
  } catch (error) {
    check(false, `the test ran to its end (${error.stack})`);
  } finally {
    await browser.close();
    server.close();
  }
  if (failures === 0 && !process.env.WEB_TEST_KEEP) fs.rmSync(work, { recursive: true, force: true });
  console.log(failures === 0 ? `browser test passed${process.env.WEB_TEST_KEEP ? ` (frames in ${work})` : ''}`
                             : `browser test: ${failures} failed (frames kept in ${work})`);
  process.exit(failures === 0 ? 0 : 1);
})();
