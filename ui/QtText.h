// SPDX-FileCopyrightText: 2026 The TAVRIN OPS LIMITS developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The bank's and the drill's texts are UTF-8 (ASCII, in fact) string views.
#pragma once

#include <QString>
#include <string_view>

inline QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
