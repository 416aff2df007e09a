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

// A sample set with a sound and a name on pair 1 and pair 5's picture gone.
function makePage() {
  fs.rmSync(work, {recursive: true, force: true});
  fs.mkdirSync(work, {recursive: true});
  const set = path.join(work, "Fruit");
  run("sample-set", set);
  run("speak", path.join(set, "S01.wav"), "apple");
  run("names", set, "--set", "1", "apple");
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
  return page.$eval("#found", (e) => e.textContent);
}

async function said(page) {
  return page.$eval("[role=status]", (e) => e.textContent);
}

async function focused(page) {
  return page.evaluate(() => document.activeElement.id || document.activeElement.getAttribute("aria-label"));
}

async function click(page, position) {
  const cards = await page.$$("button.card");
  await cards[position].click();
}

// What a face-up card's label says of its name: pair 1 is named.
function named(position) {
  return slots[position] <= 2 ? ", apple" : "";
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
  // Face down, no picture of the page tells a card's name.
  assert.equal(await page.$$eval("img", (imgs) => imgs.filter((img) => img.alt).length), 0);
  assert.equal(await status(page), `0 of ${Pairs} pairs`);
  // Each card, turned, shows the picture of the slot the deal put there.
  const pictures = await page.$eval("#set-data", (e) => {
    const set = JSON.parse(e.textContent);
    return set.cards.map((card) => set.pictures[card.picture]);
  });
  for (const [a, b] of pairsInDealOrder(slots)) {
    await click(page, a);
    await click(page, b);
    const now = await labels(page);
    assert.equal(now[a], `Card ${a + 1} of ${2 * Pairs}${named(a)}, found`);
    const faces = await page.$$eval("button.card", (cards) => cards.map((c) => c.querySelector(".front img")?.getAttribute("src")));
    assert.deepEqual([faces[a], faces[b]], [pictures[slots[a]], pictures[slots[b]]]);
    const alts = await page.$$eval("button.card", (cards) => cards.map((c) => c.querySelector(".front img")?.alt));
    assert.deepEqual([alts[a], alts[b]], [named(a).slice(2), named(b).slice(2)]);
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
  assert.equal(now[pairs[0][0]], `Card ${pairs[0][0] + 1} of ${2 * Pairs}${named(pairs[0][0])}, no pair`);
  assert.equal(await said(page), "No pair.");
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

  assert.match(await said(page), /^Well done! \d+ moves/);
  assert.equal(await page.$eval("#end-scores", (e) => getComputedStyle(e).display), "none");
  await page.click("#play-again");
  assert.equal(await status(page), `0 of ${Pairs} pairs`);
  assert.equal(await page.$eval("#end", (e) => e.hidden), true);
  assert.equal(await focused(page), `Card 1 of ${2 * Pairs}, face down`);
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
  assert.equal(now[pairs[2][0]], `Card ${pairs[2][0] + 1} of ${2 * Pairs}${named(pairs[2][0])}`);
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

test("the board is one tab stop", async () => {
  const page = await openPage();
  await page.focus("button.card");
  await page.keyboard.press("ArrowRight");
  await page.keyboard.press("Tab");
  assert.equal(await focused(page), "Name of player 1", "the next stop after the board is not a card");
  await page.keyboard.down("Shift").then(() => page.keyboard.press("Tab"));
  assert.equal(await focused(page), `Card 2 of ${2 * Pairs}, face down`);
  await page.close();
});

// A miss waits for the next tap, which turns it back and no card; New game
// under way asks first, and Escape or Keep playing keeps the game.
test("a miss can wait for a tap; a game under way is not wiped unasked", async () => {
  const page = await openPage();
  await page.select("#turn-back", "tap");
  const pairs = pairsInDealOrder(slots);
  await click(page, pairs[0][0]);
  await click(page, pairs[1][0]);
  await new Promise((resolve) => setTimeout(resolve, 1700));
  await click(page, pairs[2][0]);
  const now = await labels(page);
  assert.deepEqual([pairs[0][0], pairs[1][0], pairs[2][0]].map((p) => now[p].endsWith("face down")), [true, true, true]);
  await page.click("#new-game");
  assert.equal(await focused(page), "ask-no");
  await page.keyboard.press("Tab");
  await page.keyboard.press("Tab");
  assert.equal(await focused(page), "ask-no", "the focus stays in the dialog");
  await page.keyboard.press("Escape");
  await page.select("#pairs-choice", "4");
  await page.click("#ask-no");
  assert.equal(await page.$eval("#pairs-choice", (e) => e.value), String(Pairs));
  assert.equal(await page.$eval("#moves", (e) => e.textContent), "1");
  await page.select("#players-choice", "2");
  await page.click("#ask-yes");
  assert.equal(await page.$eval("#moves", (e) => e.textContent), "0");
  await page.close();
});

test("every card shows at the start for the time chosen", async () => {
  const page = await openPage();
  await page.select("#peek", "3");
  await page.click("#new-game");
  assert.ok((await labels(page)).every((label) => !label.endsWith("face down")));
  await new Promise((resolve) => setTimeout(resolve, 3300));
  assert.ok((await labels(page)).every((label) => label.endsWith("face down")));
  await page.close();
});

test("a mistyped seed is said on the page", async () => {
  const page = await openPage(undefined, "#seed=12x4");
  assert.match(await page.$eval("#notice", (e) => e.textContent), /seed "12x4" is not a whole number.*another game/);
  await page.close();
});

// axe-core with the WCAG 2.2 AA rules, before play, mid-game and at the end.
test("no accessibility violations at phone and laptop size", async () => {
  const axe = fs.readFileSync(new URL("node_modules/axe-core/axe.min.js", import.meta.url), "utf8");
  const found = [];
  for (const viewport of [{width: 390, height: 844}, {width: 1280, height: 800}]) {
    const page = await openPage(viewport);
    await page.evaluate(axe);
    const check = async (when) => found.push(...(await page.evaluate(() => window.axe.run(document, {runOnly:
      ["wcag2a", "wcag2aa", "wcag21a", "wcag21aa", "wcag22aa"]}))).violations.map((v) => `${when}: ${v.id}`));
    await check(`${viewport.width} before play`);
    const pairs = pairsInDealOrder(slots);
    await click(page, pairs[0][0]);
    await click(page, pairs[1][0]);
    await check(`${viewport.width} mid-game`);
    for (const [a, b] of pairs) {
      await click(page, a);
      await click(page, b);
    }
    await check(`${viewport.width} at the end`);
    await page.close();
  }
  assert.deepEqual(found, []);
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
