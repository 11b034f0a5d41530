// SPDX-FileCopyrightText: 2026 The TAVRIN OPS LIMITS developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ChoiceButton.h"

#include <QHBoxLayout>
#include <QLabel>

ChoiceButton::ChoiceButton(int digit, int count, QWidget* parent)
    : QPushButton(parent) {
    auto* number = new QLabel(QString::number(digit), this);
    text_ = new QLabel(this);
    text_->setWordWrap(true);
    text_->setTextFormat(Qt::PlainText);
    for (QLabel* label : {number, text_})
        label->setAttribute(Qt::WA_TransparentForMouseEvents);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(8, 2, 6, 2);
    layout->setSpacing(8);
    layout->addWidget(number, 0, Qt::AlignVCenter);
    layout->addWidget(text_, 1);
    setShortcut(QKeySequence(Qt::Key_0 + digit));
    setAccessibleDescription(QStringLiteral("%1 OF %2").arg(digit).arg(count));
}

QString ChoiceButton::choice() const {
    return text_->text();
}

void ChoiceButton::setChoice(const QString& choice) {
    text_->setText(choice);
    setAccessibleName(choice);
}
