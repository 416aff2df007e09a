"use strict";

// The memory game of one card set, played in the page the editor exported.
// The set's pictures and sounds come with the page (the "set-data" element);
// the deal is the editor's own, so a seed gives the same board here, in the
// game window and in `tessellor-tool deal`. The rules' numbers (pair choices,
// the miss time, the player limit) come with the data too, from the editor.
// Loaded by Node, the file gives its generator and deal and touches no page.

const MaxSeed = 4294967295;

// mulberry32: the deal's generator over a 32-bit unsigned state; each call
// gives its 32-bit unsigned output.
function mulberry32(seed) {
  let a = seed >>> 0;
  return function next() {
    a = (a + 0x6D2B79F5) >>> 0;
    let t = Math.imul(a ^ (a >>> 15), a | 1);
    t ^= t + Math.imul(t ^ (t >>> 7), t | 61);
    return (t ^ (t >>> 14)) >>> 0;
  };
}

// Fisher-Yates from the last position down.
function shuffle(list, next) {
  for (let i = list.length - 1; i >= 1; i--) {
    const j = next() % (i + 1);
    [list[i], list[j]] = [list[j], list[i]];
  }
}

// Deals pairCount of the playable pairs (every one when pairCount is below 1
// or above their count): the playable numbers, ascending, are shuffled and
// the first drawn; the drawn pairs' cards (2k-1, 2k, ascending by pair) are
// then shuffled by the same generator. Returns the slots in board order.
function dealSlots(playable, pairCount, seed) {
  const next = mulberry32(seed);
  const pairs = [...playable].sort((a, b) => a - b);
  shuffle(pairs, next);
  const count = pairCount < 1 || pairCount > pairs.length ? pairs.length : pairCount;
  const drawn = pairs.slice(0, count).sort((a, b) => a - b);
  const slots = drawn.flatMap((k) => [2 * k - 1, 2 * k]);
  shuffle(slots, next);
  return slots;
}

function pairOf(slot) {
  return (slot + 1) >> 1;
}

function clockSeed() {
  return Date.now() >>> 0;
}

// "#seed=S&pairs=N": both optional; anything unreadable is ignored.
function readAddress() {
  const params = new URLSearchParams(window.location.hash.replace(/^#/, ""));
  const wanted = {seed: null, pairs: 0};
  const seed = params.get("seed");
  if (seed !== null && /^\d{1,10}$/.test(seed) && Number(seed) <= MaxSeed) {
    wanted.seed = Number(seed);
  }
  const pairs = params.get("pairs");
  if (pairs !== null && /^\d{1,3}$/.test(pairs)) {
    wanted.pairs = Number(pairs);
  }
  return wanted;
}

function byId(id) {
  return document.getElementById(id);
}

function formatTime(ms) {
  const seconds = Math.floor(ms / 1000);
  return `${Math.floor(seconds / 60)}:${String(seconds % 60).padStart(2, "0")}`;
}

let set = null;
let board = null;
let playerNames = [];
const sounds = new Map();
let game = null;

function soundOf(slot) {
  const key = set.cards[slot].sound;
  if (!key) {
    return null;
  }
  if (!sounds.has(key)) {
    sounds.set(key, new Audio(set.sounds[key]));
  }
  return sounds.get(key);
}

function playSound(slot) {
  const audio = byId("sound").checked ? soundOf(slot) : null;
  if (audio) {
    audio.currentTime = 0;
    // A browser may refuse to play (no sound device, a policy): the game goes on.
    audio.play().catch(() => {});
  }
}

function pictureOf(slot) {
  return set.pictures[set.cards[slot].picture];
}

function makeImage(picture) {
  const img = document.createElement("img");
  img.alt = "";
  img.src = picture;
  return img;
}

function makeFace(className, picture) {
  const face = document.createElement("span");
  face.className = `face ${className}`;
  if (picture) {
    face.append(makeImage(picture));
  } else {
    face.classList.add("plain");
  }
  return face;
}

function makeCard(position) {
  const button = document.createElement("button");
  button.type = "button";
  button.className = "card";
  const inner = document.createElement("span");
  inner.className = "inner";
  inner.append(makeFace("back", set.cover ? set.pictures[set.cover] : null));
  const front = document.createElement("span");
  front.className = "face front";
  inner.append(front);
  button.append(inner);
  button.addEventListener("click", () => turn(position));
  return button;
}

function cardState(position) {
  if (game.found.has(position)) {
    return "found";
  }
  return game.up.includes(position) ? "up" : "down";
}

function showCard(position) {
  const button = game.buttons[position];
  const slot = game.slots[position];
  const state = cardState(position);
  const front = button.querySelector(".front");
  const lead = `Card ${position + 1} of ${game.slots.length}`;
  button.classList.toggle("up", state === "up");
  button.classList.toggle("found", state === "found");
  if (state === "down") {
    button.setAttribute("aria-label", `${lead}, face down`);
    // The face is put in only while it shows, so it cannot be peeked at.
    front.replaceChildren();
  } else {
    const found = state === "found" ? ", found" : "";
    button.setAttribute("aria-label", `${lead}, card ${slot} of the set${found}`);
    if (!front.firstChild) {
      front.append(makeImage(pictureOf(slot)));
    }
  }
}

function showCounters() {
  const pairs = game.slots.length / 2;
  const text = `${game.found.size / 2} of ${pairs} pairs`;
  byId("status").textContent = text;
  document.title = `${text} · ${set.name}`;
  byId("moves").textContent = String(game.moves);
  byId("time").textContent = formatTime(elapsed());
  const items = byId("players").children;
  for (let p = 0; p < items.length; p++) {
    items[p].classList.toggle("current", p === game.current && game.players > 1);
    items[p].querySelector(".score").textContent = String(game.scores[p]);
  }
}

function elapsed() {
  if (game.startedAt === null) {
    return 0;
  }
  return (game.endedAt ?? Date.now()) - game.startedAt;
}

function turnBack() {
  clearTimeout(game.missTimer);
  game.missTimer = null;
  const [a, b] = game.up;
  game.up = [];
  showCard(a);
  showCard(b);
}

// A click, tap or key on the card at `position`. Two cards of a miss turn
// back at once on the next one; no third card turns while two are up.
function turn(position) {
  if (game.endedAt !== null) {
    return;
  }
  if (game.up.length === 2) {
    turnBack();
  }
  if (cardState(position) !== "down") {
    return;
  }
  if (game.startedAt === null) {
    game.startedAt = Date.now();
  }
  game.up.push(position);
  showCard(position);
  playSound(game.slots[position]);
  if (game.up.length === 2) {
    secondCard();
  }
  showCounters();
}

function secondCard() {
  const [a, b] = game.up;
  game.moves++;
  if (pairOf(game.slots[a]) === pairOf(game.slots[b])) {
    game.up = [];
    game.found.add(a).add(b);
    game.scores[game.current]++;
    showCard(a);
    showCard(b);
    if (game.found.size === game.slots.length) {
      finish();
    }
    return;
  }
  game.current = (game.current + 1) % game.players;
  game.missTimer = setTimeout(() => {
    turnBack();
    showCounters();
  }, set.rules.missShownMs);
}

function finish() {
  game.endedAt = Date.now();
  byId("end-summary").textContent = `${game.moves} moves in ${formatTime(elapsed())}`;
  const scores = byId("end-scores");
  scores.replaceChildren();
  for (let p = 0; p < game.players; p++) {
    const item = document.createElement("li");
    item.textContent = `${playerNames[p]}: ${game.scores[p]}`;
    scores.append(item);
  }
  scores.hidden = game.players < 2;
  const best = Math.max(...game.scores);
  const leaders = playerNames.slice(0, game.players).filter((_, p) => game.scores[p] === best);
  const winner = byId("end-winner");
  winner.hidden = game.players < 2;
  winner.textContent = leaders.length === 1 ? `Winner: ${leaders[0]}` : `Draw: ${leaders.join(", ")}`;
  byId("end").hidden = false;
  byId("play-again").focus();
}

function showPlayers(count) {
  const list = byId("players");
  list.replaceChildren();
  for (let p = 0; p < count; p++) {
    const item = document.createElement("li");
    const name = document.createElement("input");
    name.value = playerNames[p];
    name.setAttribute("aria-label", `Name of player ${p + 1}`);
    name.addEventListener("input", () => {
      playerNames[p] = name.value || `Player ${p + 1}`;
    });
    const score = document.createElement("span");
    score.className = "score";
    item.append(name, " ", score);
    list.append(item);
  }
}

function showPairChoices(pairs) {
  const choice = byId("pairs-choice");
  const all = set.playable.length;
  const counts = set.rules.pairChoices.filter((n) => n < all);
  if (pairs !== all && !counts.includes(pairs)) {
    counts.push(pairs);
    counts.sort((a, b) => a - b);
  }
  choice.replaceChildren();
  for (const n of [...counts, all]) {
    const option = document.createElement("option");
    option.value = String(n);
    option.textContent = n === all ? `All (${all})` : String(n);
    choice.append(option);
  }
  choice.value = String(pairs);
}

function showPlayerChoices() {
  const choice = byId("players-choice");
  for (let n = 1; n <= set.rules.maxPlayers; n++) {
    const option = document.createElement("option");
    option.value = option.textContent = String(n);
    choice.append(option);
  }
}

function showSetInfo() {
  byId("set-name").textContent = set.name;
  byId("author").textContent = set.author ? `by ${set.author}` : "";
  const leftOut = byId("left-out");
  if (set.leftOut.length > 0) {
    const n = set.leftOut.length;
    leftOut.textContent = `${n} ${n === 1 ? "pair" : "pairs"} left out`;
    leftOut.title = `Pairs left out: ${set.leftOut.join(", ")}`;
  }
}

// Starts a game of the given seed and pair count; the address then names it,
// so reloading or sharing the address replays the same board.
function start(seed, pairCount) {
  if (game) {
    clearTimeout(game.missTimer);
  }
  const slots = dealSlots(set.playable, pairCount, seed);
  const players = Number(byId("players-choice").value);
  game = {
    seed, slots, players,
    buttons: slots.map((_, position) => makeCard(position)),
    up: [], found: new Set(), scores: new Array(players).fill(0),
    current: 0, moves: 0, startedAt: null, endedAt: null, missTimer: null,
  };
  board.replaceChildren(...game.buttons);
  game.buttons.forEach((_, position) => showCard(position));
  showPlayers(players);
  showPairChoices(slots.length / 2);
  byId("seed").textContent = `Seed: ${seed}`;
  byId("end").hidden = true;
  try {
    window.history.replaceState(null, "", `#seed=${seed}&pairs=${slots.length / 2}`);
  } catch {
    // An address that cannot change (a sandboxed frame): the seed is shown all the same.
  }
  layOut();
  showCounters();
}

function startFromAddress() {
  const wanted = readAddress();
  start(wanted.seed ?? clockSeed(), wanted.pairs);
}

function newSeed() {
  const seed = clockSeed();
  return game && seed === game.seed ? (seed + 1) >>> 0 : seed;
}

// The grid that gives the largest square cards in the board's space.
function layOut() {
  const count = game.slots.length;
  const style = getComputedStyle(board);
  const gap = parseFloat(style.columnGap) || 0;
  const width = board.clientWidth - parseFloat(style.paddingLeft) - parseFloat(style.paddingRight);
  const height = board.clientHeight - parseFloat(style.paddingTop) - parseFloat(style.paddingBottom);
  let best = {cols: 1, side: 0};
  for (let cols = 1; cols <= count; cols++) {
    const rows = Math.ceil(count / cols);
    const side = Math.min((width - gap * (cols - 1)) / cols, (height - gap * (rows - 1)) / rows);
    if (side > best.side) {
      best = {cols, side};
    }
  }
  game.cols = best.cols;
  document.documentElement.style.setProperty("--cols", String(best.cols));
  document.documentElement.style.setProperty("--card", `${Math.max(24, Math.floor(best.side))}px`);
}

// Arrow keys move along the deal order (Left, Right) or a row (Up, Down);
// Home and End go to the first and the last card. Space and Enter turn the
// focused card, as they press any button.
function moveFocus(event) {
  const position = game.buttons.indexOf(document.activeElement);
  if (position < 0) {
    return;
  }
  const last = game.buttons.length - 1;
  const steps = {ArrowRight: 1, ArrowLeft: -1, ArrowDown: game.cols, ArrowUp: -game.cols};
  let target = null;
  if (event.key in steps) {
    target = position + steps[event.key];
  } else if (event.key === "Home") {
    target = 0;
  } else if (event.key === "End") {
    target = last;
  }
  if (target === null) {
    return;
  }
  event.preventDefault();
  if (target >= 0 && target <= last) {
    game.buttons[target].focus();
  }
}

function wireControls() {
  board.addEventListener("keydown", moveFocus);
  byId("new-game").addEventListener("click", () => start(newSeed(), game.slots.length / 2));
  byId("play-again").addEventListener("click", () => start(newSeed(), game.slots.length / 2));
  // The same seed with another count: the new deal can be replayed from the address.
  byId("pairs-choice").addEventListener("change", (event) => start(game.seed, Number(event.target.value)));
  byId("players-choice").addEventListener("change", () => start(game.seed, game.slots.length / 2));
  const animate = byId("animate");
  animate.addEventListener("change", () => document.body.classList.toggle("still", !animate.checked));
  window.addEventListener("hashchange", startFromAddress);
  window.addEventListener("resize", layOut);
  setInterval(() => {
    if (game.startedAt !== null && game.endedAt === null) {
      byId("time").textContent = formatTime(elapsed());
    }
  }, 1000);
}

function main() {
  set = JSON.parse(byId("set-data").textContent);
  board = byId("board");
  playerNames = Array.from({length: set.rules.maxPlayers}, (_, p) => `Player ${p + 1}`);
  showSetInfo();
  showPlayerChoices();
  wireControls();
  startFromAddress();
}

if (typeof document !== "undefined") {
  main();
} else if (typeof module !== "undefined") {
  module.exports = {mulberry32, dealSlots};
}
