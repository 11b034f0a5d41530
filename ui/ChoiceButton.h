// SPDX-FileCopyrightText: 2026 The TAVRIN OPS LIMITS developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPushButton>

class QLabel;

// One of the test's four answers: its digit, the key that chooses it, beside
// the answer's text, which wraps. Its "text" is the answer alone, as the
// drill writes and reads it; a screen reader hears the answer and its place,
// "830C", "1 OF 4".
class ChoiceButton : public QPushButton {
    Q_OBJECT
    Q_PROPERTY(QString text READ choice WRITE setChoice)

public:
    ChoiceButton(int digit, int count, QWidget* parent);

    QString choice() const;
    void setChoice(const QString& choice);

private:
    QLabel* text_ = nullptr;
};
