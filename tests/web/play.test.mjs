// Plays an exported web page in headless Chromium, as a person would: makes a
// set with tessellor-tool, exports it, loads the page with a seed and plays a
// whole game by clicking the cards where `tessellor-tool deal` says they lie.
//
// usage: node play.test.mjs TESSELLOR-TOOL WORK-FOLDER [chromium | firefox]
import assert from "node:assert/strict";
import {execFileSync} from "node:child_process";
import fs from "node:fs";
import path from "node:path";
import {pathToFileURL} from "node:url";
import puppeteer from "puppeteer-core";

const [tool, work, browserName = "chromium"] = process.argv.slice(2);
if (!tool || !work) {
  console.error("usage: node play.test.mjs TESSELLOR-TOOL WORK-FOLDER");
  process.exit(2);
}

const Seed = 20261207;
const Pairs = 6;

function run(...args) {
  return execFileSync(tool, args, {encoding: "utf8"});
}

// A sample set with a sound on pair 1 and pair 5's picture gone.
function makePage() {
  fs.rmSync(work, {recursive: true, force: true});
  fs.mkdirSync(work, {recursive: true});
  const set = path.join(work, "Fruit");
  run("sample-set", set);
  run("speak", path.join(set, "S01.wav"), "apple");
  fs.rmSync(path.join(set, "C05.bmp"));
  const page = path.join(work, "Fruit.html");
  const report = run("export-web", set, page);
  assert.match(report, /^left out: 5$/m);
  assert.match(report, /^sounds: 1 \(audio\/(ogg|wav)\)$/m);
  const dealt = (...args) => [...run("deal", set, "--seed", String(Seed), ...args)
    .matchAll(/^position (\d+): slot (\d+) pair (\d+)$/gm)].map((m) => Number(m[2]));
  const slots = dealt("--pairs", String(Pairs));
  assert.equal(slots.length, 2 * Pairs);
  return {page, slots, allSlots: dealt()};
}

const tests = [];
function test(name, body) {
  tests.push({name, body});
}

async function labels(page) {
  return page.$$eval("button.card", (cards) => cards.map((c) => c.getAttribute("aria-label")));
}

async function status(page) {
  return page.$eval("[role=status]", (e) => e.textContent);
}

async function click(page, position) {
  const cards = await page.$$("button.card");
  await cards[position].click();
}

// Positions of each pair's two cards, in the order the pairs first appear.
function pairsInDealOrder(slots) {
  const byPair = new Map();
  slots.forEach((slot, position) => {
    const pair = (slot + 1) >> 1;
    byPair.set(pair, [...(byPair.get(pair) ?? []), position]);
  });
  return [...byPair.values()];
}

const {page: pageFile, slots, allSlots} = makePage();
const address = `${pathToFileURL(pageFile).href}#seed=${Seed}&pairs=${Pairs}`;
const profile = fs.mkdtempSync(path.join(work, "profile-"));
const browser = await puppeteer.launch(browserName === "firefox" ? {
  browser: "firefox",
  executablePath: "/usr/bin/firefox-esr",
  headless: true,
  args: ["--profile", profile],
} : {
  executablePath: "/usr/bin/chromium",
  headless: true,
  args: ["--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
    "--disable-background-networking", "--disable-component-update", "--disable-sync",
    `--user-data-dir=${profile}`],
});
const requests = [];
const pageErrors = [];

async function openPage(viewport = {width: 1280, height: 800}, hash = `#seed=${Seed}&pairs=${Pairs}`) {
  const page = await browser.newPage();
  await page.setViewport(viewport);
  // Every sound the page starts, to be looked at once it has loaded.
  await page.evaluateOnNewDocument(() => {
    window.soundsPlayed = [];
    const play = HTMLMediaElement.prototype.play;
    HTMLMediaElement.prototype.play = function (...args) {
      window.soundsPlayed.push(this);
      return play.apply(this, args);
    };
  });
  page.on("request", (request) => requests.push(request.url()));
  page.on("pageerror", (error) => pageErrors.push(String(error)));
  page.on("console", (message) => {
    if (message.type() === "error") {
      pageErrors.push(message.text());
    }
  });
  await page.goto(address.replace(/#.*/, hash), {waitUntil: "load"});
  return page;
}

test("the page deals as tessellor-tool deal does", async () => {
  const page = await openPage();
  const names = await labels(page);
  assert.equal(names.length, 2 * Pairs);
  names.forEach((name, i) => assert.equal(name, `Card ${i + 1} of ${2 * Pairs}, face down`));
  assert.equal(await status(page), `0 of ${Pairs} pairs`);
  // Each card, turned, shows the slot the deal put there.
  for (const [a, b] of pairsInDealOrder(slots)) {
    await click(page, a);
    await click(page, b);
    const now = await labels(page);
    assert.equal(now[a], `Card ${a + 1} of ${2 * Pairs}, card ${slots[a]} of the set, found`);
    assert.equal(now[b], `Card ${b + 1} of ${2 * Pairs}, card ${slots[b]} of the set, found`);
  }
  await page.close();
});

test("a whole game by mouse, a miss included, ends with Well done!", async () => {
  const page = await openPage();
  const pairs = pairsInDealOrder(slots);
  // A miss: both stay up, then turn back after 1.5 s.
  await click(page, pairs[0][0]);
  await click(page, pairs[1][0]);
  let now = await labels(page);
  assert.match(now[pairs[0][0]], /card \d+ of the set$/);
  assert.match(now[pairs[1][0]], /card \d+ of the set$/);
  await new Promise((resolve) => setTimeout(resolve, 1700));
  now = await labels(page);
  assert.match(now[pairs[0][0]], /face down$/);
  assert.match(now[pairs[1][0]], /face down$/);

  for (const [found, [a, b]] of pairs.entries()) {
    await click(page, a);
    await click(page, b);
    assert.equal(await status(page), `${found + 1} of ${Pairs} pairs`);
  }
  const end = await page.$eval("#end", (e) => ({hidden: e.hidden, text: e.innerText}));
  assert.equal(end.hidden, false);
  assert.match(end.text, /Well done!/);
  assert.match(end.text, new RegExp(`${Pairs + 1} moves`));
  assert.match(await page.title(), new RegExp(`^${Pairs} of ${Pairs} pairs`));

  await page.click("#play-again");
  assert.equal(await status(page), `0 of ${Pairs} pairs`);
  assert.equal(await page.$eval("#end", (e) => e.hidden), true);
  assert.notEqual(await page.$eval("#seed", (e) => e.textContent), `Seed: ${Seed}`);
  await page.close();
});

test("a miss turns back at once on the next click; two players take turns", async () => {
  const page = await openPage();
  await page.select("#players-choice", "2");
  const pairs = pairsInDealOrder(slots);
  const current = () => page.$eval("#players li.current input", (e) => e.value);
  assert.equal(await current(), "Player 1");
  await click(page, pairs[0][0]);
  await click(page, pairs[1][0]);
  assert.equal(await current(), "Player 2");
  await click(page, pairs[2][0]);
  const now = await labels(page);
  assert.match(now[pairs[0][0]], /face down$/);
  assert.match(now[pairs[1][0]], /face down$/);
  assert.match(now[pairs[2][0]], /of the set$/);
  await click(page, pairs[2][1]);
  assert.equal(await current(), "Player 2", "a found pair gives another turn");
  assert.equal(await page.$eval("#players li.current .score", (e) => e.textContent), "1");
  await page.close();
});

test("another number of pairs keeps the seed", async () => {
  const page = await openPage();
  await page.select("#pairs-choice", "4");
  assert.equal(await page.$eval("#seed", (e) => e.textContent), `Seed: ${Seed}`);
  assert.equal(new URL(page.url()).hash, `#seed=${Seed}&pairs=4`);
  await page.close();
});

test("keyboard alone: arrows, Home, End, Enter and Space", async () => {
  const page = await openPage();
  const pairs = pairsInDealOrder(slots);
  const [a, b] = pairs[0];
  await page.focus("button.card");
  await page.keyboard.press("End");
  await page.keyboard.press("Home");
  for (let i = 0; i < a; i++) {
    await page.keyboard.press("ArrowRight");
  }
  await page.keyboard.press("Enter");
  await page.keyboard.press("Home");
  for (let i = 0; i < b; i++) {
    await page.keyboard.press("ArrowRight");
  }
  await page.keyboard.press(" ");
  assert.equal(await status(page), `1 of ${Pairs} pairs`);
  await page.close();
});

test("a card's sound plays, and this browser decodes it", async () => {
  const page = await openPage(undefined, `#seed=${Seed}`);
  assert.equal((await labels(page)).length, allSlots.length);
  await click(page, allSlots.indexOf(1));
  await click(page, allSlots.indexOf(2));
  // Decoded whole, without a sound device: a headless browser may have none.
  const sounds = await page.evaluate(() => Promise.all(window.soundsPlayed.map(async (audio) => {
    const bytes = Uint8Array.from(atob(audio.src.split(",")[1]), (c) => c.charCodeAt(0));
    const decoded = await new OfflineAudioContext(1, 1, 48000).decodeAudioData(bytes.buffer);
    const samples = decoded.getChannelData(0);
    const power = samples.reduce((sum, v) => sum + v * v, 0) / samples.length;
    return {type: audio.src.slice(0, 16), seconds: decoded.duration, rms: Math.sqrt(power)};
  })));
  assert.equal(sounds.length, 2);
  for (const sound of sounds) {
    assert.match(sound.type, /^data:audio\/(ogg|wav);/);
    assert.ok(sound.seconds > 0.3 && sound.seconds < 5, `a sound of ${sound.seconds} s`);
    assert.ok(sound.rms > 0.01, `a sound of RMS ${sound.rms}`);
  }
  await page.close();
});

test("the page is self-contained", async () => {
  const page = await openPage();
  const references = await page.$$eval("[src], [href]", (elements) =>
    elements.map((e) => e.getAttribute("src") ?? e.getAttribute("href")));
  for (const reference of references) {
    assert.match(reference, /^data:/);
  }
  const html = fs.readFileSync(pageFile, "utf8");
  assert.doesNotMatch(html.replace(/data:[^"]*/g, ""), /\b(src|href)\s*=\s*["'](?!data:)/);
  const elsewhere = requests.filter((url) => !url.startsWith("data:") && url.split("#")[0] !== address.split("#")[0]);
  assert.deepEqual(elsewhere, []);
  assert.deepEqual(pageErrors, []);
  await page.close();
});

test("a phone-sized screen holds every card", async () => {
  const page = await openPage({width: 390, height: 844, isMobile: true, hasTouch: true, deviceScaleFactor: 2});
  const boxes = await page.$$eval("button.card", (cards) => cards.map((c) => c.getBoundingClientRect().toJSON()));
  for (const box of boxes) {
    assert.ok(box.left >= 0 && box.right <= 390 && box.top >= 0 && box.bottom <= 844, JSON.stringify(box));
    assert.ok(box.width >= 60, `cards of ${box.width} px are too small to tap`);
  }
  const pairs = pairsInDealOrder(slots);
  const cards = await page.$$("button.card");
  await cards[pairs[0][0]].tap();
  await cards[pairs[0][1]].tap();
  assert.equal(await status(page), `1 of ${Pairs} pairs`);
  await page.screenshot({path: path.join(work, "phone.png")});
  await page.close();
});

let passed = 0;
let failed = 0;
for (const {name, body} of tests) {
  try {
    await body();
    passed++;
    console.log(`ok - ${name}`);
  } catch (error) {
    failed++;
    console.log(`not ok - ${name}\n${error.stack}`);
  }
}
await browser.close();
console.log(`${passed} passed, ${failed} failed`);
process.exit(failed === 0 ? 0 : 1);
