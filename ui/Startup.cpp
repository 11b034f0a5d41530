// SPDX-FileCopyrightText: 2026 The TAVRIN OPS LIMITS developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Startup.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <utility>

namespace startup {

void PlaceOnScreen(QWidget& window) {
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        return;
    // Before the first show the frame's margins are unknown; move() places
    // the frame's top-left corner, so the title bar stays on the screen.
    const QRect available = window.screen()->availableGeometry();
    const QPoint centred =
        available.center() - QRect(QPoint(), window.frameGeometry().size()).center();
    window.move(std::max(centred.x(), available.left()), std::max(centred.y(), available.top()));
}

namespace {

// A message given while the platform starts. Qt's file, function and
// category names are static strings, so their pointers can be kept.
struct Held {
    QtMsgType type;
    const char* file;
    int line;
    const char* function;
    const char* category;
    QString message;
};

QtMessageHandler previousHandler = nullptr;
QList<Held> held;

// A platform plugin that was found but could not start had no display to
// talk to; any other failure (a misspelt -platform, say) keeps Qt's words.
bool NoDisplay() {
    return std::any_of(held.cbegin(), held.cend(), [](const Held& m) {
        return m.message.contains(QLatin1String("even though it was found"));
    });
}

void HoldOrGiveUp(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type != QtFatalMsg) {
        held.append(
            {type, context.file, context.line, context.function, context.category, message});
        return;
    }
    if (NoDisplay()) {
        std::fputs("TAVRIN OPS LIMITS: no display could be opened. Run it on a desktop, or "
                   "without one as: xvfb-run tavrin-ops-limits\n",
                   stderr);
    } else {
        for (const Held& m : held)
            std::fprintf(stderr, "%s\n", qPrintable(m.message));
        std::fprintf(stderr, "%s\n", qPrintable(message));
    }
    // _Exit, not exit or abort: the half-built application must not be torn
    // down (nor reported as a leak by a sanitizer build).
    std::_Exit(1);
}

} // namespace

DisplayGuard::DisplayGuard() {
    previousHandler = qInstallMessageHandler(HoldOrGiveUp);
}

DisplayGuard::~DisplayGuard() {
    qInstallMessageHandler(previousHandler);
    for (const Held& m : std::exchange(held, {}))
        qt_message_output(m.type, QMessageLogContext(m.file, m.line, m.function, m.category),
                          m.message);
}

} // namespace startup
