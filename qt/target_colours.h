// SPDX-FileCopyrightText: 2026 Los autores de Quorel
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The target box's colours: the scheme's system colour 14 behind it and 15
// for its text, as the window has always drawn them, except that the text
// is made legible where a scheme puts the two too close (a light scheme
// draws 15 almost white on white). Follows the scheme when it changes.

class QWidget;

// Colours the box now, and again each time the application's palette changes.
void FollowTargetColours(QWidget* box);
