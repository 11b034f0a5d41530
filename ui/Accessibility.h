// SPDX-FileCopyrightText: 2026 The TAVRIN OPS LIMITS developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Keeps elements that mean nothing to a listener out of what assistive
// technology sees: the hidden fields and list that hold the review state, and
// the counter's fixed tail, which the counter already speaks.
#pragma once

class QWidget;

namespace accessibility {

// The widget no longer appears among its parent's accessible children.
void Conceal(QWidget& widget);

} // namespace accessibility
