// SPDX-FileCopyrightText: 2026 The TAVRIN OPS LIMITS developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <functional>

// Records every message box as it is shown, then presses its OK button once
// the box's own event loop runs, so modal boxes never block a test.
class ModalCloser : public QObject {
public:
    ModalCloser() { qApp->installEventFilter(this); }

    QStringList texts, titles;
    std::function<void()> onShow;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* box = qobject_cast<QMessageBox*>(watched);
        if (box && event->type() == QEvent::Show) {
            texts << box->text();
            titles << box->windowTitle();
            if (onShow)
                onShow();
            QTimer::singleShot(0, box, [box] { box->button(QMessageBox::Ok)->click(); });
        }
        return false;
    }
};
