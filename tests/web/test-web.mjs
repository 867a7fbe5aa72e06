// SPDX-FileCopyrightText: 2026 Nevrik
// SPDX-License-Identifier: GPL-3.0-or-later

// The page as a user meets it, in Debian's headless Chromium, served from 127.0.0.1: the window like the Linux one,
// the typical pass, a failure, both resets and the keypad by real clicks at the controls' places (from the layout,
// as the Windows check takes them), a phone in portrait and landscape by taps, and a start without a network. Waits
// for what it looks for, never a fixed time; ImageMagick compares and reads pixels. With UPDATE_PICTURES set, the
// page after the typical pass on a desktop and on a phone goes beside LINUX_SHOT, for the README.
// Usage: node test-web.mjs SITE PLACES LINUX_SHOT   (PLACES: what tools/places.cpp prints)
import { execFileSync } from "node:child_process";
import { mkdtempSync, readFileSync, rmSync } from "node:fs";
import os from "node:os";
import path from "node:path";
import { launch, serve, timeTheStart } from "./browser-and-server.mjs";

const [siteFolder, placesFile, linuxShot] = process.argv.slice(2).map((file) => path.resolve(file));
const patience = 180_000;  // ms; only a failure waits it out
const [windowWidth, windowHeight] = [794, 534];
const places = Object.fromEntries(readFileSync(placesFile, "utf8").trim().split("\n").map((line) => {
  const [, name, numbers] = line.match(/^(\w+)="(.*)"$/);
  return [name, numbers.split(" ").map(Number)];
}));
const scratch = mkdtempSync(path.join(os.tmpdir(), "test-web-"));
const green = "srgb(192,255,192)", pink = "srgb(255,128,128)", white = "srgb(255,255,255)", grey = "srgb(224,224,224)";

let browser, site;
async function finish(status) {
  await browser?.close();
  site?.close();
  rmSync(scratch, { recursive: true, force: true });
  process.exit(status);
}
async function fail(what, shot) {
  if (shot) execFileSync("cp", [shot, path.join(os.tmpdir(), "page-as-drawn.png")]);
  console.error(`FAIL: ${what}${shot ? ` (the page kept in ${os.tmpdir()}/page-as-drawn.png)` : ""}`);
  await finish(1);
}
const pass = (what) => console.log(`ok   ${what}`);
function picture(target, name) {  // in CSS pixels, as the README shows it
  if (!process.env.UPDATE_PICTURES) return;
  const file = path.join(path.dirname(linuxShot), name);
  magick("convert", target.shot, "-resize", `${100 / target.dpr}%`, "-strip", file);
  console.log(`     ${file} drawn anew`);
}

site = await serve(siteFolder);
browser = await launch(path.join(scratch, "profile"));

async function within(check) {  // runs `check` until it gives something, for at most the patience
  for (const end = Date.now() + patience; Date.now() < end; await new Promise((again) => setTimeout(again, 100))) {
    const result = await check();
    if (result) return result;
  }
  return undefined;
}
let shots = 0;
async function shoot(page, crop) {  // the page, or only `crop` of it (an ImageMagick geometry)
  const file = path.join(scratch, `shot-${++shots}.png`);
  await page.screenshot({ path: file });
  if (crop) magick("convert", file, "-crop", crop, file);
  return file;
}
const magick = (...args) => execFileSync(args[0], args.slice(1), { encoding: "utf8" }).trim();
const differ = (a, b, fuzz) => Number(execFileSync("sh", ["-c", `compare -fuzz ${fuzz} -metric AE "$0" "$1" null: 2>&1 || true`, a, b], { encoding: "utf8" }));
const pixel = (shot, [x, y]) => magick("convert", shot, "-format", `%[pixel:p{${Math.round(x)},${Math.round(y)}}]`, "info:");
// Drawn, and done drawing: two shots in a row the same, not all of one colour.
async function settled(page) {
  let last;
  return within(async () => {
    const shot = await shoot(page);
    const done = last && magick("identify", "-format", "%k", shot) !== "1" && differ(last, shot, "0%") === 0;
    last = shot;
    return done && shot;
  });
}

// The window sits in the middle of the page, scaled as a whole to its width or height, whichever is the smaller; on
// a touch screen, which turns, to the smaller of the two either way up.
function placed(viewport) {
  const [across, down] = viewport.hasTouch ? Array(2).fill(Math.min(viewport.width, viewport.height))
                                            : [viewport.width, viewport.height];
  const scale = Math.min(across / windowWidth, down / windowHeight);
  const left = (viewport.width - windowWidth * scale) / 2, top = (viewport.height - windowHeight * scale) / 2;
  // A control's place on the page, and the scale from the window's pixels to the page's.
  const area = (control) => {
    const [x, y, width, height] = places[control];
    return { left: left + x * scale, top: top + y * scale, width: width * scale, height: height * scale, scale };
  };
  // A point of the window on the page: `dx` window pixels from a control's left (from its right when negative),
  // else its middle.
  const at = (control, dx) => {
    const { left, top, width, height } = area(control);
    const across = dx === undefined ? width / 2 : (dx < 0 ? width : 0) + dx * scale;
    return [left + across, top + height / 2];
  };
  return { area, at };
}

async function open(viewport) {
  const page = await browser.newPage();
  await page.setViewport(viewport);
  await page.evaluateOnNewDocument(timeTheStart);
  await page.goto(site.url);
  if ((await page.title()) !== "过路费及加油发票计算器") await fail(`the page's title is ${await page.title()}`);
  await page.waitForFunction(() => document.getElementById("loading").hidden, { timeout: patience });
  const shot = await settled(page);
  if (!shot) await fail("the window was not drawn");
  return { page, ...placed(viewport), dpr: viewport.deviceScaleFactor ?? 1, shot };
}
async function press(target, control, dx) {  // a click, or a tap on a touch screen
  const [x, y] = target.at(control, dx);
  await (target.touch ? target.page.touchscreen.tap(x, y) : target.page.mouse.click(x, y));
}
// Waits until each control shows its colour: {"Text1_1_,-4": green} looks 4 pixels in from its right edge.
async function colours(target, expected) {
  const spot = (key) => {  // in the shot's device pixels
    const [control, dx] = key.split(",");
    return target.at(control, dx && Number(dx)).map((css) => css * target.dpr);
  };
  const wrong = (shot) => Object.entries(expected).find(([key, colour]) => pixel(shot, spot(key)) !== colour);
  if (await within(async () => { const shot = await shoot(target.page); return !wrong(shot) && shot; })) return;
  const shot = await shoot(target.page), [key, colour] = wrong(shot) ?? ["", ""];
  await fail(`${key} shows ${pixel(shot, spot(key))}, not ${colour}`, shot);
}
// Presses a button that answers with a message box: the box shows over the window, and its OK closes it; the sheet
// shows what the button did while the box is still open.
async function answered(target, button, what) {
  const before = await settled(target.page);
  await press(target, button);
  const box = await within(async () => { const shot = await shoot(target.page); return differ(before, shot, "10%") > 2000 && shot; });
  if (!box) await fail(`no message box after ${what}`, await shoot(target.page));
  const shown = await settled(target.page);
  // Escape, which a box of one button takes as its OK, until the box goes: the box may take the keyboard a moment
  // after it shows, and an Enter meanwhile would press the window's focused button again.
  const gone = await within(async () => {
    await target.page.keyboard.press("Escape");
    return differ(shown, await shoot(target.page), "10%") > 2000;
  });
  if (!gone) await fail(`the message box after ${what} stays`, await shoot(target.page));
}
// Types into a box once it has the keyboard, which its blinking caret shows: the window takes the keyboard back
// from a closed message box only as the click is handled, and a key sent before that is lost.
async function typeWhenFocused(target, control, text) {
  // The box's inside, 4 window pixels in from its edges, in the shot's device pixels.
  const { left, top, width, height, scale } = target.area(control), device = (css) => Math.round(css * target.dpr);
  const inside = `${device(width - 8 * scale)}x${device(height - 8 * scale)}+${device(left + 4 * scale)}+${device(top + 4 * scale)}`;
  let last;
  const blinked = await within(async () => {
    const crop = await shoot(target.page, inside);
    const changed = last && differ(last, crop, "0%") > 0;
    last = crop;
    return changed;
  });
  if (!blinked) await fail(`${control} never showed a caret`, await shoot(target.page));
  await target.page.keyboard.type(text);
}
// The README's typical pass: 3 × 20 yuan, then 56.5 yuan of fuel in row 23 by the keypad; rows 1 and 23 turn green.
async function typicalPass(target) {
  await press(target, "Text1_1_");
  await press(target, "Command3_3_");
  await press(target, "InputMoney1_23_", 4);  // before its "0"
  for (const key of ["Command3_5_", "Command3_6_", "Command3_10_", "Command3_5_"]) await press(target, key);
  await answered(target, "RunCommand", "计 算");
  await colours(target, { "Text1_1_,-4": green, "InputMoney1_23_,-4": green, "Road1,-4": green });
  target.shot = await settled(target.page);
}

// The desktop: the window as on Linux at the size it was made for, then the typical pass, a failure, the resets.
const desktop = await open({ width: windowWidth, height: windowHeight });
const linuxDiffers = differ(linuxShot, desktop.shot, "40%");
if (linuxDiffers >= 4000) await fail(`the window differs from the Linux one in ${linuxDiffers} pixels`, desktop.shot);
pass(`794 x 534, like the Linux window (${linuxDiffers} pixels differ beyond glyph edges)`);
await typicalPass(desktop);
picture(desktop, "screenshot-web.png");
pass("the typical pass by clicks: the result box and its OK (Esc), rows 1 and 23 green");
await press(desktop, "Text1_2_");  // a letter typed: pink, and "0"
await typeWhenFocused(desktop, "Text1_2_", "x");
await answered(desktop, "RunCommand", "a bad box");
await colours(desktop, { "Text1_2_,-4": pink, "Text1_1_,-4": green });
await answered(desktop, "Command4", "重置");
await colours(desktop, { "Text1_2_,-4": white, "Text1_1_,-4": white, "InputMoney1_5_,-4": grey, "Road1,-4": green });
await press(desktop, "Text1_4_");  // backspace takes the "0" the click left, then 2 and 5 make 25
for (const key of ["Command2", "Command3_2_", "Command3_5_"]) await press(desktop, key);
await answered(desktop, "RunCommand", "the keypad's 25");
await colours(desktop, { "Text1_4_,-4": green, "Output1,-4": green });
await answered(desktop, "SetBackCommand", "全部重置");
await colours(desktop, { "Text1_4_,-4": white, "InputMoney1_5_,-4": grey });
pass("a failure marked pink, both resets, the keypad with backspace");

// A phone, 390 × 844 at 3 device pixels a CSS pixel, by touch: all of the window shows, in portrait and landscape.
for (const [width, height, orientation] of [[390, 844, "portrait"], [844, 390, "landscape"]]) {
  const phone = await open({ width, height, deviceScaleFactor: 3, isMobile: true, hasTouch: true });
  phone.touch = true;
  // Its top left, right and bottom edges, on a surround of another colour.
  await colours(phone, { "InputMoney1_0_,-4": white, "Label9,-4": white, "ReadMeText,-4": white, "InputMoney1_5_,-4": grey });
  await typicalPass(phone);
  if (orientation === "portrait") picture(phone, "screenshot-phone.png");
  pass(`a phone in ${orientation}: the whole window on the page, the typical pass by taps`);
  await phone.page.close();
}

// It can be added to a home screen, as the browser judges it, and says its licence.
await desktop.page.evaluate(() => navigator.serviceWorker.ready);
const { installabilityErrors } = await (await desktop.page.createCDPSession()).send("Page.getInstallabilityErrors");
if (installabilityErrors.length > 0) await fail(`not installable: ${JSON.stringify(installabilityErrors)}`);
const [frame, kept] = await desktop.page.evaluate(() => [window.firstFrame, window.keptFrom]);
if (!(kept > frame)) await fail(`the page begins to keep its files at ${kept} ms, not after the first frame (${frame} ms)`);
const licence = await desktop.page.evaluate(async () => (await fetch("licence.html")).text());
if (!licence.includes("GPL-3.0-or-later")) await fail("the licence page does not name GPL-3.0-or-later");
pass("installable on a home screen, its files kept once the window is up, its licence on a page of its own");

// Without a network: the page opened once keeps its files, and starts and calculates again from them.
site.online = false;
await desktop.page.reload();
await desktop.page.waitForFunction(() => document.getElementById("loading").hidden, { timeout: patience });
if (!(await settled(desktop.page))) await fail("no window without a network");
await typicalPass(desktop);
pass("without a network: the page starts again and calculates");
await finish(0);
