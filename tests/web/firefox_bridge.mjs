// SPDX-FileCopyrightText: 2026 Los autores de Quorel
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Debian's Firefox over WebDriver BiDi, for the Python browser tests: one
// JSON request a line on stdin, one JSON answer a line on stdout. The
// scenarios stay in Python; this only carries out the few primitives of
// engines.py. Usage: node firefox_bridge.mjs
import readline from "node:readline";
import puppeteer from "puppeteer-core";

const limit = 20000;  // every wait of puppeteer's has this bound
const browser = await puppeteer.launch({
    browser: "firefox", executablePath: "/usr/bin/firefox-esr", headless: true,
    protocolTimeout: limit,
    // As on a phone, and as Chromium's headless: scroll bars take no width.
    extraPrefsFirefox: {"ui.useOverlayScrollbars": 1},
});
let context = null;
let page = null;

const ops = {
    async newPage({width, height, phone}) {
        await context?.close();
        context = await browser.createBrowserContext();
        page = await context.newPage();
        page.setDefaultTimeout(limit);
        await page.setViewport({width, height, isMobile: phone, hasTouch: phone,
            deviceScaleFactor: phone ? 2 : 1});
    },
    goto: ({url}) => page.goto(url).then(() => null),
    reload: () => page.reload().then(() => null),
    // A function body, as Selenium's scripts are; its promise is awaited.
    run: ({body}) => page.evaluate(`(async () => { ${body} })()`),
    async keys({keys}) {
        for (const [kind, value] of keys) {
            if (kind === "press") {
                await page.keyboard.press(value);
            } else {
                await page.keyboard.type(value);
            }
        }
        return null;
    },
    async chord({modifier, key}) {
        await page.keyboard.down(modifier);
        await page.keyboard.press(key);
        await page.keyboard.up(modifier);
        return null;
    },
    click: ({id}) => page.click("#" + id).then(() => null),
    type: ({id, text}) => page.type("#" + id, text).then(() => null),
    tabs: () => context.pages().then((pages) => pages.length),
    // Found through the browser's accessibility tree, by role and name.
    spoken: ({role, name}) =>
        page.$$(`aria/${name}[role="${role}"]`).then((found) => found.length),
};

const lines = readline.createInterface({input: process.stdin});
process.stdout.write(JSON.stringify({ok: true, value: "ready"}) + "\n");
for await (const line of lines) {
    const {op, ...args} = JSON.parse(line);
    let answer;
    try {
        answer = {ok: true, value: (await ops[op](args)) ?? null};
    } catch (error) {
        answer = {ok: false, error: String(error.message ?? error)};
    }
    process.stdout.write(JSON.stringify(answer) + "\n");
}
await browser.close();
