// SPDX-FileCopyrightText: 2026 Los autores de Quorel
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Offline play, for every page of the site: the service worker (sw.js)
// caches the whole release. Its own script always comes from the host,
// never the HTTP cache, so a new release is found on the next visit.
"use strict";

if ("serviceWorker" in navigator) {
    addEventListener("load", () => navigator.serviceWorker.register("sw.js",
        { updateViaCache: "none" }));
}
