// SPDX-FileCopyrightText: 2026 Nevrik
// SPDX-License-Identifier: GPL-3.0-or-later

// What the page's test and benchmark run it in: a static site from one folder on 127.0.0.1, as a plain web server
// sends it, and Debian's Chromium, headless.
import { readFileSync } from "node:fs";
import { createServer } from "node:http";
import path from "node:path";
import puppeteer from "puppeteer-core";

const types = { ".html": "text/html", ".js": "text/javascript", ".wasm": "application/wasm", ".png": "image/png",
                ".webmanifest": "application/manifest+json" };

// Set `online` false on what it gives and it answers nothing, as a cut network would.
export async function serve(site) {
  const served = { online: true };
  const server = createServer((request, response) => {
    const file = path.join(site, path.normalize(new URL(request.url, "http://host").pathname.replace(/\/$/, "/index.html")));
    if (!served.online) return request.socket.destroy();
    try {
      const body = readFileSync(file);
      response.writeHead(200, { "Content-Type": types[path.extname(file)] ?? "application/octet-stream" }).end(body);
    } catch {
      response.writeHead(404).end();
    }
  });
  await new Promise((listening) => server.listen(0, "127.0.0.1", listening));
  served.url = `http://127.0.0.1:${server.address().port}/`;
  served.close = () => server.close();
  return served;
}

// WebGL in software (there is no GPU in CI); as root without the sandbox, which needs user namespaces.
export function launch(profile) {
  return puppeteer.launch({
    executablePath: "/usr/bin/chromium", headless: true, userDataDir: profile,
    args: [...(process.getuid() === 0 ? ["--no-sandbox"] : []), "--enable-unsafe-swiftshader", "--use-angle=swiftshader",
           "--disable-background-networking", "--disable-component-update", "--disable-sync", "--no-first-run"],
  });
}

// Run in a page before its own scripts, it keeps the times of the start, in ms since navigation began: the window's
// first frame (Qt draws every frame of its windows by WebGL) and when the page began to keep its files.
export function timeTheStart() {
  for (const context of [WebGLRenderingContext, WebGL2RenderingContext]) {
    for (const name of ["drawArrays", "drawElements"]) {
      const draw = context.prototype[name];
      context.prototype[name] = function (...args) {
        window.firstFrame ??= performance.now();
        return draw.apply(this, args);
      };
    }
  }
  const register = ServiceWorkerContainer.prototype.register;
  ServiceWorkerContainer.prototype.register = function (...args) {
    window.keptFrom ??= performance.now();
    return register.apply(this, args);
  };
}
