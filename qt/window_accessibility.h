// SPDX-FileCopyrightText: 2026 Los autores de Quorel
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What a screen reader learns beyond the controls' own names. A plain
// top-level QWidget is exposed as a nameless "filler"; the game window is a
// frame named by its title. The clock's accessible name carries the time,
// since a name hides a label's text from the reader.

#include <QString>

// From now on, screen readers see every game window as a frame named by its
// title. Cheap enough to call with each window.
void ExposeGameWindowsAsFrames();

// The clock's accessible name for the time it shows: "Tiempo", then the
// time, if any ("Tiempo 0:5").
QString SpokenClock(const QString& shown);
