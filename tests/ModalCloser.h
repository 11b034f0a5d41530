#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <functional>

// Watches for message boxes, records what each one showed and presses its OK
// button once the box's own event loop runs, so modal boxes never block a test.
class ModalCloser : public QObject {
public:
    struct Box {
        QString text;
        QString title;
        QMessageBox::Icon icon;
        int buttons;
        bool modal;
    };

    ModalCloser() { qApp->installEventFilter(this); }
    ~ModalCloser() override { qApp->removeEventFilter(this); }

    // Called while the box is on screen, before it is closed.
    std::function<void()> onShow;
    QList<Box> boxes;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* box = qobject_cast<QMessageBox*>(watched);
        if (box && event->type() == QEvent::Show) {
            boxes.append({box->text(), box->windowTitle(), box->icon(),
                          static_cast<int>(box->buttons().size()), box->isModal()});
            if (onShow)
                onShow();
            QTimer::singleShot(0, box, [box] { box->button(QMessageBox::Ok)->click(); });
        }
        return false;
    }
};
