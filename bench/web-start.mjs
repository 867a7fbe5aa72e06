// SPDX-FileCopyrightText: 2026 Nevrik
// SPDX-License-Identifier: GPL-3.0-or-later

// The page's download and start, printed, never asserted: what a server sends gzipped (zlib's default level, as
// web servers use it), and the time from navigation to the window's first frame on the screen, for the program and
// for the yardsticks (a bare window with one Chinese label, the window's texts alone) in the same site,
// each in a fresh browser profile, taking turns. In Debian's headless Chromium, whose WebGL is drawn in software.
// Usage: node web-start.mjs SITE BARE_JS [YARDSTICK_JS...]   (each with its .wasm beside it; BARE_JS the first)
import { copyFileSync, cpSync, mkdtempSync, readdirSync, readFileSync, rmSync } from "node:fs";
import os from "node:os";
import path from "node:path";
import { gzipSync } from "node:zlib";
import { launch, serve, timeTheStart } from "../tests/web/browser-and-server.mjs";  // and puppeteer-core, installed there

const [siteFolder, ...yardsticks] = process.argv.slice(2).map((file) => path.resolve(file));
const runs = 11;
const scratch = mkdtempSync(path.join(os.tmpdir(), "web-start-"));

// A yardstick's site: the program's, the same page, loader and service worker, with the yardstick in the program's
// place and under its name. The yardsticks show their window the way the program shows its own, at the same scale.
const program = readdirSync(siteFolder).find((file) => file.endsWith(".wasm")).replace(/\.wasm$/, "");
const folders = { program: siteFolder };
for (const js of yardsticks) {
  const folder = folders[path.basename(js, ".js")] = path.join(scratch, path.basename(js, ".js"));
  cpSync(siteFolder, folder, { recursive: true });
  copyFileSync(js, path.join(folder, `${program}.js`));
  copyFileSync(js.replace(/\.js$/, ".wasm"), path.join(folder, `${program}.wasm`));
}

const download = (folder) => readdirSync(folder).reduce((sum, file) => {
  const bytes = readFileSync(path.join(folder, file));
  return { raw: sum.raw + bytes.length, gzipped: sum.gzipped + gzipSync(bytes).length };
}, { raw: 0, gzipped: 0 });
const megabytes = (bytes) => `${(bytes / 1e6).toFixed(2)} MB`;

async function start(browser, url) {
  const context = await browser.createBrowserContext();  // nothing cached, compiled code neither
  const page = await context.newPage();
  await page.setViewport({ width: 1024, height: 768 });
  await page.evaluateOnNewDocument(timeTheStart);
  await page.goto(url);
  const ms = await (await page.waitForFunction(() => window.firstFrame, { timeout: 600_000, polling: 10 })).jsonValue();
  await context.close();
  return ms;
}

const sites = {}, times = {};
for (const [name, folder] of Object.entries(folders)) [sites[name], times[name]] = [await serve(folder), []];
const browser = await launch(path.join(scratch, "profile"));
for (let run = 0; run < runs; ++run) {
  for (const name of Object.keys(sites)) times[name].push(await start(browser, sites[name].url));
}
await browser.close();
Object.values(sites).forEach((site) => site.close());

const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];
const bare = median(times[path.basename(yardsticks[0], ".js")]);
for (const [name, folder] of Object.entries(folders)) {
  const { raw, gzipped } = download(folder);
  console.log(`${name.padEnd(18)} download ${megabytes(gzipped)} gzipped (${megabytes(raw)})   first frame ` +
              `${median(times[name]).toFixed(0)} ms, ${(median(times[name]) / bare).toFixed(2)}x the bare window's ` +
              `(median of ${runs}: ${times[name].map(Math.round).join(" ")})`);
}
rmSync(scratch, { recursive: true, force: true });
