// SPDX-FileCopyrightText: 2026 The TAVRIN OPS LIMITS developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Accessibility.h"

#include <QAccessibleWidget>
#include <QLabel>
#include <QPalette>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace accessibility {
namespace {

constexpr const char* kConcealed = "accessibilityConcealed";
constexpr const char* kConceals = "accessibilityConceals";
constexpr const char* kNotification = "accessibilityNotification";

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

// A label that a screen reader speaks when it is shown, as it does a
// desktop notification; its name is its text.
class NotificationLabel : public QAccessibleWidget {
public:
    explicit NotificationLabel(QLabel* label)
        : QAccessibleWidget(label, QAccessible::Notification) {}

    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? static_cast<QLabel*>(widget())->text()
                                      : QAccessibleWidget::text(t);
    }
};

QAccessibleInterface* Factory(const QString&, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget)
        return nullptr;
    if (auto* label = qobject_cast<QLabel*>(widget);
        label && label->property(kNotification).toBool())
        return new NotificationLabel(label);
    return widget->property(kConceals).toBool() ? new ConcealingContainer(widget) : nullptr;
}

void InstallFactory() {
    static const bool installed = (QAccessible::installFactory(Factory), true);
    Q_UNUSED(installed);
}

// WCAG 2 relative luminance.
double Luminance(const QColor& colour) {
    const auto channel = [](float c) {
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(colour.redF()) + 0.7152 * channel(colour.greenF()) +
           0.0722 * channel(colour.blueF());
}

} // namespace

void Conceal(QWidget& widget) {
    InstallFactory();
    widget.setProperty(kConcealed, true);
    widget.parentWidget()->setProperty(kConceals, true);
}

void MakeNotification(QLabel& label) {
    InstallFactory();
    label.setProperty(kNotification, true);
}

void Announce(QLabel& label) {
    QAccessibleEvent shown(&label, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

double Contrast(const QColor& a, const QColor& b) {
    const auto [dark, light] = std::minmax({Luminance(a), Luminance(b)});
    return (light + 0.05) / (dark + 0.05);
}

// The designed colours were chosen for a light window. On a dark one (its
// background darker than its text), the same hue, lightened until it reads
// at 4.5:1.
QColor ReadableOn(const QColor& designed, const QPalette& palette) {
    const QColor background = palette.color(QPalette::Window);
    if (background.lightnessF() >= palette.color(QPalette::WindowText).lightnessF())
        return designed;
    QColor colour = designed;
    for (float lightness = designed.lightnessF();
         Contrast(colour, background) < 4.5 && lightness < 1.0f;) {
        lightness = std::min(1.0f, lightness + 0.02f);
        colour = QColor::fromHslF(designed.hslHueF(), designed.hslSaturationF(), lightness);
    }
    return colour;
}

} // namespace accessibility
