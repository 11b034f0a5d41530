// SPDX-FileCopyrightText: 2026 The TAVRIN OPS LIMITS developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What the window does for users of assistive technology and of dark themes.
#pragma once

class QColor;
class QLabel;
class QPalette;
class QWidget;

namespace accessibility {

// The widget no longer appears among its parent's accessible children: for
// the counter's fixed tail, which the counter already speaks.
void Conceal(QWidget& widget);

// The label becomes a notification: each Announce has a screen reader speak
// its text where the focus is, as a polite live region does on a web page.
void MakeNotification(QLabel& label);
void Announce(QLabel& label);

// The WCAG 2 contrast ratio of two colours, from 1 to 21.
double Contrast(const QColor& a, const QColor& b);

// The designed colour, or on a dark window the same hue lightened to 4.5:1.
QColor ReadableOn(const QColor& designed, const QPalette& palette);

} // namespace accessibility
