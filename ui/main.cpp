#include "BuildConfig.h"
#include "TavrinOpsLimits.h"

#include <QApplication>
#include <QScreen>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("TAVRIN OPS LIMITS"));
    QApplication::setApplicationDisplayName(QStringLiteral("TAVRIN OPS LIMITS"));
    QApplication::setApplicationVersion(QStringLiteral(TAVRIN_VERSION));
    QApplication::setOrganizationName(QStringLiteral(TAVRIN_AUTHOR_NAME));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.tavrin.OpsLimits"));

    TavrinOpsLimits window;
    window.adjustSize();
    window.move(window.screen()->availableGeometry().center() - window.rect().center());
    window.show();
    return QApplication::exec();
}
