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

// "#seed=S&pairs=N": both optional. An unreadable seed is kept in `badSeed`
// so that the page can say the game dealt is another one.
function readAddress() {
  const params = new URLSearchParams(window.location.hash.replace(/^#/, ""));
  const wanted = {seed: null, pairs: 0, badSeed: null};
  const seed = params.get("seed");
  if (seed !== null && /^\d{1,10}$/.test(seed) && Number(seed) <= MaxSeed) {
    wanted.seed = Number(seed);
  } else if (seed !== null) {
    wanted.badSeed = seed;
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

// Only a face that shows is given its card's name.
function makeImage(picture, name = "") {
  const img = document.createElement("img");
  img.alt = name;
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
  // One tab stop for the whole board: the arrows move inside it.
  button.tabIndex = position === 0 ? 0 : -1;
  button.addEventListener("focus", () => rove(position));
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
  if (game.up.length === 2 && game.up.includes(position)) {
    return "miss";
  }
  return game.up.includes(position) || game.peeking ? "up" : "down";
}

function cardName(position) {
  return set.cards[game.slots[position]].name ?? "";
}

function showCard(position) {
  const button = game.buttons[position];
  const slot = game.slots[position];
  const state = cardState(position);
  const front = button.querySelector(".front");
  const lead = `Card ${position + 1} of ${game.slots.length}`;
  button.classList.toggle("up", state === "up" || state === "miss");
  button.classList.toggle("found", state === "found");
  button.classList.toggle("miss", state === "miss");
  if (state === "down") {
    button.setAttribute("aria-label", `${lead}, face down`);
    // The face is put in only while it shows, so it cannot be peeked at.
    front.replaceChildren();
  } else {
    const name = cardName(position) ? `, ${cardName(position)}` : "";
    const more = {found: ", found", miss: ", no pair"}[state] ?? "";
    button.setAttribute("aria-label", `${lead}${name}${more}`);
    if (!front.firstChild) {
      front.append(makeImage(pictureOf(slot), cardName(position)));
    }
  }
}

function pairsText() {
  return `${game.found.size / 2} of ${game.slots.length / 2} pairs`;
}

function turnText() {
  return `${playerNames[game.current]}'s turn`;
}

// The status line is the live region: each move is said there.
function announce(text) {
  byId("status").textContent = text;
}

function showCounters() {
  const text = pairsText();
  byId("found").textContent = text;
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

function turnsBackOnTap() {
  return byId("turn-back").value === "tap";
}

function endPeek() {
  clearTimeout(game.peekTimer);
  game.peeking = false;
  game.buttons.forEach((_, position) => showCard(position));
  announce(`The cards are face down. ${turnText()}.`);
}

// A click, tap or key on the card at `position`. Two cards of a miss turn
// back on the next one, which then turns a card too unless the miss waits
// for a tap: that tap is spent on turning them back, so the player sees them
// go before choosing again. A tap while every card shows ends the look.
function turn(position) {
  if (game.endedAt !== null) {
    return;
  }
  if (game.peeking) {
    endPeek();
    return;
  }
  if (game.up.length === 2) {
    turnBack();
    if (turnsBackOnTap()) {
      announce(`Turned back. ${turnText()}.`);
      return;
    }
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
  } else {
    announce(cardName(position) ? `Card ${position + 1}: ${cardName(position)}` : `Card ${position + 1}`);
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
    const found = cardName(b) ? `Pair found: ${cardName(b)}` : "Pair found";
    const again = game.players > 1 ? ` ${playerNames[game.current]} plays again.` : "";
    announce(`${found}. ${pairsText()} found.${again}`);
    if (game.found.size === game.slots.length) {
      finish();
    }
    return;
  }
  game.current = (game.current + 1) % game.players;
  showCard(a);
  showCard(b);
  const next = game.players > 1 ? ` ${turnText()}.` : "";
  const wait = turnsBackOnTap() ? " Tap a card to turn them back." : "";
  announce(`No pair.${next}${wait}`);
  if (!turnsBackOnTap()) {
    startMissTimer();
  }
}

function startMissTimer() {
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
  const result = game.players > 1 ? winner.textContent : byId("end-summary").textContent;
  announce(`Well done! ${result}.`);
  openDialog("end", "play-again");
}

// The page's own dialogs: the rest of the page is inert while one is open,
// Tab and Shift+Tab go round its buttons, Escape closes it, and the focus
// goes back where it was, or to the board.
let dialogClosed = null;

function openDialog(id, focusId, onClose = null) {
  const returnTo = document.activeElement;
  for (const part of document.querySelectorAll("body > header, body > main")) {
    part.inert = true;
  }
  byId(id).hidden = false;
  byId(focusId).focus();
  dialogClosed = () => {
    byId(id).hidden = true;
    for (const part of document.querySelectorAll("body > header, body > main")) {
      part.inert = false;
    }
    dialogClosed = null;
    const back = returnTo && !returnTo.classList.contains("card") && returnTo.isConnected ? returnTo : boardFocus();
    back.focus();
    onClose?.();
  };
}

function closeDialog() {
  dialogClosed?.();
}

function dialogKeys(event) {
  if (event.key === "Escape") {
    event.preventDefault();
    closeDialog();
  } else if (event.key === "Tab") {
    const items = [...event.currentTarget.querySelectorAll("button")];
    const at = items.indexOf(document.activeElement);
    const next = (at + (event.shiftKey ? items.length - 1 : 1)) % items.length;
    event.preventDefault();
    items[next].focus();
  }
}

// Runs `action` at once, or, with a game under way that it would end, once
// the player says so; `keep` restores what asked for it when they say no.
function askFirst(action, keep = () => {}) {
  if (game.startedAt === null || game.endedAt !== null) {
    action();
    return;
  }
  let confirmed = false;
  byId("ask-yes").onclick = () => {
    confirmed = true;
    closeDialog();
  };
  openDialog("ask", "ask-no", () => (confirmed ? action() : keep()));
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
  if (!byId("end").hidden) {
    closeDialog();
  }
  const slots = dealSlots(set.playable, pairCount, seed);
  const players = Number(byId("players-choice").value);
  if (game) {
    clearTimeout(game.peekTimer);
  }
  const peek = Number(byId("peek").value);
  game = {
    seed, slots, players,
    buttons: slots.map((_, position) => makeCard(position)),
    up: [], found: new Set(), scores: new Array(players).fill(0),
    current: 0, moves: 0, startedAt: null, endedAt: null, missTimer: null,
    focused: 0, peeking: peek > 0, peekTimer: null,
  };
  board.replaceChildren(...game.buttons);
  game.buttons.forEach((_, position) => showCard(position));
  showPlayers(players);
  showPairChoices(slots.length / 2);
  byId("seed").textContent = `Seed: ${seed}`;
  byId("notice").hidden = true;
  if (game.peeking) {
    game.peekTimer = setTimeout(endPeek, peek * 1000);
    announce(`${slots.length / 2} pairs dealt. Look at every card: they turn face down in ${peek} s, or at a tap.`);
  } else {
    announce(`${slots.length / 2} pairs dealt. ${turnText()}.`);
  }
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
  if (wanted.badSeed !== null) {
    const notice = byId("notice");
    notice.textContent = `The address's seed "${wanted.badSeed}" is not a whole number from 0 to ${MaxSeed}, `
      + `so another game was dealt: seed ${game.seed}.`;
    notice.hidden = false;
  }
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

// The card the board's one tab stop leads to.
function rove(position) {
  game.buttons[game.focused].tabIndex = -1;
  game.focused = position;
  game.buttons[position].tabIndex = 0;
}

function boardFocus() {
  return game.buttons[game.focused];
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

function showSettingChoices() {
  byId("turn-back").options[0].textContent = `after ${set.rules.missShownMs / 1000} s`;
  const peek = byId("peek");
  for (const seconds of set.rules.peekSeconds) {
    const option = document.createElement("option");
    option.value = String(seconds);
    option.textContent = `${seconds} s`;
    peek.append(option);
  }
}

function toggleFullScreen() {
  if (document.fullscreenElement) {
    document.exitFullscreen().catch(() => {});
  } else {
    document.documentElement.requestFullscreen().catch(() => {});
  }
}

function wireDialogs() {
  for (const id of ["end", "ask"]) {
    byId(id).addEventListener("keydown", dialogKeys);
  }
  byId("play-again").addEventListener("click", () => {
    closeDialog();
    start(newSeed(), game.slots.length / 2);
    boardFocus().focus();
  });
  byId("end-close").addEventListener("click", closeDialog);
  byId("ask-no").addEventListener("click", closeDialog);
}

function wireControls() {
  board.addEventListener("keydown", moveFocus);
  wireDialogs();
  byId("new-game").addEventListener("click", () => askFirst(() => start(newSeed(), game.slots.length / 2)));
  // The same seed with another count: the new deal can be replayed from the address.
  const pairs = byId("pairs-choice");
  pairs.addEventListener("change", () => askFirst(() => start(game.seed, Number(pairs.value)),
    () => (pairs.value = String(game.slots.length / 2))));
  const players = byId("players-choice");
  players.addEventListener("change", () => askFirst(() => start(game.seed, game.slots.length / 2),
    () => (players.value = String(game.players))));
  byId("turn-back").addEventListener("change", () => {
    clearTimeout(game.missTimer);
    if (game.up.length === 2 && !turnsBackOnTap()) {
      startMissTimer();
    }
  });
  const fullScreen = byId("full-screen");
  fullScreen.hidden = !document.fullscreenEnabled;
  fullScreen.addEventListener("click", toggleFullScreen);
  document.addEventListener("fullscreenchange", () => {
    fullScreen.textContent = document.fullscreenElement ? "Leave full screen" : "Full screen";
  });
  const animate = byId("animate");
  // Off from the start where the system asks for less motion.
  animate.checked = !window.matchMedia("(prefers-reduced-motion: reduce)").matches;
  document.body.classList.toggle("still", !animate.checked);
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
  showSettingChoices();
  wireControls();
  startFromAddress();
}

if (typeof document !== "undefined") {
  main();
} else if (typeof module !== "undefined") {
  module.exports = {mulberry32, dealSlots};
}
