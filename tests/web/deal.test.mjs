// The page's generator and deal against the fixed deals the C++ deal is
// checked against (tests/game/deals.json), in Node without a browser.
import assert from "node:assert/strict";
import fs from "node:fs";
import {createRequire} from "node:module";
import {test} from "node:test";

const require = createRequire(import.meta.url);
const {mulberry32, dealSlots} = require("../../resources/web/game.js");
const fixture = JSON.parse(fs.readFileSync(new URL("../game/deals.json", import.meta.url), "utf8"));

for (const {name, seed, outputs} of fixture.generator) {
  test(`generator: ${name}`, () => {
    const next = mulberry32(seed);
    assert.deepEqual(outputs.map(() => next()), outputs);
  });
}

for (const {name, playable, pairs, seed, slots} of fixture.deals) {
  test(`deal: ${name}`, () => {
    assert.deepEqual(dealSlots(playable, pairs, seed), slots);
  });
}
