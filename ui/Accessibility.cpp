// SPDX-FileCopyrightText: 2026 The TAVRIN OPS LIMITS developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Accessibility.h"

#include <QAccessibleWidget>
#include <QWidget>

namespace accessibility {
namespace {

constexpr const char* kConcealed = "accessibilityConcealed";
constexpr const char* kConceals = "accessibilityConceals";

// A container whose accessible children are its child widgets less the
// concealed ones.
class ConcealingContainer : public QAccessibleWidget {
public:
    using QAccessibleWidget::QAccessibleWidget;

    int childCount() const override { return int(children().size()); }

    QAccessibleInterface* child(int index) const override {
        const QList<QWidget*> shown = children();
        return index >= 0 && index < shown.size()
                   ? QAccessible::queryAccessibleInterface(shown[index])
                   : nullptr;
    }

    int indexOfChild(const QAccessibleInterface* child) const override {
        return child ? int(children().indexOf(qobject_cast<QWidget*>(child->object()))) : -1;
    }

private:
    QList<QWidget*> children() const {
        QList<QWidget*> shown;
        for (QObject* object : widget()->children()) {
            auto* child = qobject_cast<QWidget*>(object);
            if (child && !child->isWindow() && !child->property(kConcealed).toBool())
                shown << child;
        }
        return shown;
    }
};

QAccessibleInterface* Factory(const QString&, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    return widget && widget->property(kConceals).toBool() ? new ConcealingContainer(widget)
                                                          : nullptr;
}

} // namespace

void Conceal(QWidget& widget) {
    static const bool installed = (QAccessible::installFactory(Factory), true);
    Q_UNUSED(installed);
    widget.setProperty(kConcealed, true);
    widget.parentWidget()->setProperty(kConceals, true);
}

} // namespace accessibility
