// SPDX-FileCopyrightText: 2026 The TAVRIN OPS LIMITS developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What the drill imports from the page besides the system calls, named for
// the linker; app.js gives the functions themselves.
mergeInto(LibraryManager.library, {
  tol_clock: () => 0,
});
