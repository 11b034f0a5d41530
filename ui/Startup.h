// SPDX-FileCopyrightText: 2026 The TAVRIN OPS LIMITS developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What main() does around the window that the toolkit leaves to us: where the
// window opens, and a plain word when there is no display to open it on.
#pragma once

class QWidget;

namespace startup {

// Centres the window in the available area of the screen it opens on, but
// never lets its top-left corner leave that area, so that a window larger
// than the screen keeps its title bar and menu bar reachable. Wayland places
// windows itself; there this does nothing.
void PlaceOnScreen(QWidget& window);

// While alive, Qt's messages are held back; if the platform cannot be
// started (no display, or one that refuses the connection), one line says so
// and the process ends with status 1 instead of an abort. Messages held
// while the start succeeded are passed on when the guard ends.
class DisplayGuard {
public:
    DisplayGuard();
    ~DisplayGuard();
    DisplayGuard(const DisplayGuard&) = delete;
    DisplayGuard& operator=(const DisplayGuard&) = delete;
};

} // namespace startup
