// SPDX-FileCopyrightText: 2026 The TAVRIN OPS LIMITS developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ProgramInfo.h"
#include "Startup.h"
#include "TavrinOpsLimits.h"

#include <QApplication>
#include <optional>

int main(int argc, char* argv[]) {
    std::optional<startup::DisplayGuard> guard(std::in_place);
    QApplication app(argc, argv);
    guard.reset();

    QApplication::setApplicationName(QStringLiteral("TAVRIN OPS LIMITS"));
    QApplication::setApplicationVersion(QStringLiteral(TAVRIN_VERSION));
    QApplication::setOrganizationName(QStringLiteral(TAVRIN_AUTHOR_NAME));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.tavrin.OpsLimits"));

    TavrinOpsLimits window;
    window.adjustSize();
    startup::PlaceOnScreen(window);
    window.show();
    return QApplication::exec();
}
